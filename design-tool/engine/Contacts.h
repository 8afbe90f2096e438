// The maker's contact details, inserted into the advisories, the directions,
// the opening form and the report.  Kept in this one place so that a change
// of address or number is one edit.
#pragma once

namespace zentrik {

inline constexpr char SupportEmail[] = "magnetics@orlenta.example";
inline constexpr char SupportPhoneUSA[] = "1-800-555-0142";
inline constexpr char SupportPhoneEurope[] = "+44 20 7946 0321";
inline constexpr char SupportPhoneAsia[] = "+852 5550 4178";
inline constexpr char MakerWebSite[] = "http://www.orlenta.example";

// Title of every message box that has none of its own.
inline constexpr char ApplicationTitle[] = "Project1";
// Title of the input checks and most advisories.
inline constexpr char CautionTitle[] = "Caution";

}  // namespace zentrik
