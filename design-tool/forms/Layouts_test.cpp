#include "Layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Contacts.h"
#include "ControlIds.h"
#include "FormTexts.h"

namespace zentrik::forms {
namespace {

struct Box {
  int left, top, right, bottom;
};

// A drop-down list's table height is its dropped height; on the form it
// takes one box height.
Box Extent(const ControlLayout& c) {
  int height = c.kind == Kind::List ? 315 : c.height;
  return {c.left, c.top, c.left + c.width, c.top + height};
}

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<const ControlLayout*> Controls(const FormLayout& form) {
  std::vector<const ControlLayout*> list;
  for (int i = 0; i < form.controlCount; ++i) list.push_back(&form.controls[i]);
  return list;
}

const ControlLayout* Find(const FormLayout& form, int id) {
  for (const ControlLayout* c : Controls(form))
    if (c->id == id) return c;
  return nullptr;
}

TEST(Layouts, EveryControlLiesInsideItsForm) {
  for (const FormLayout* form : kAllForms) {
    for (const ControlLayout* c : Controls(*form)) {
      SCOPED_TRACE(std::string(form->name) + " control " + std::to_string(c->id));
      Box box = Extent(*c);
      EXPECT_GE(box.left, 0);
      EXPECT_GE(box.top, 0);
      EXPECT_LE(box.right, form->clientWidth);
      EXPECT_LE(box.bottom, form->clientHeight);
    }
  }
}

TEST(Layouts, ControlIdsAreUniqueWithinAForm) {
  for (const FormLayout* form : kAllForms) {
    std::set<int> seen;
    for (const ControlLayout* c : Controls(*form)) EXPECT_TRUE(seen.insert(c->id).second) << form->name << " " << c->id;
  }
}

// Frames and pictures lie under other controls; nothing else may cover
// another control, except the one caption that runs on past an empty value.
TEST(Layouts, ControlsDoNotOverlap) {
  const std::set<std::pair<int, int>> allowed = {{ids::GridCaption(2, 6), ids::GridValue(2, 6)}};
  for (const FormLayout* form : kAllForms) {
    std::vector<const ControlLayout*> list = Controls(*form);
    for (size_t i = 0; i < list.size(); ++i) {
      for (size_t j = i + 1; j < list.size(); ++j) {
        const ControlLayout& a = *list[i];
        const ControlLayout& b = *list[j];
        if (a.kind == Kind::Group || a.kind == Kind::Picture || b.kind == Kind::Group || b.kind == Kind::Picture)
          continue;
        if (allowed.count({a.id, b.id}) || allowed.count({b.id, a.id})) continue;
        EXPECT_FALSE(Overlap(Extent(a), Extent(b))) << form->name << ": " << a.id << " and " << b.id;
      }
    }
  }
}

TEST(Layouts, SummaryRowsLieInsideTheirGroups) {
  const Box inputs = Extent(*Find(kResultForm, ids::grpInputValues));
  const Box outputs = Extent(*Find(kResultForm, ids::grpSummaryOutput));
  auto inside = [](const Box& inner, const Box& outer) {
    return inner.left > outer.left && inner.right < outer.right && inner.top > outer.top &&
           inner.bottom < outer.bottom;
  };
  for (int row = 0; row < 12; ++row) {
    SCOPED_TRACE(row);
    for (int id : {ids::inputCaptionFirst + row, ids::inputValueFirst + row, ids::inputUnitFirst + row})
      EXPECT_TRUE(inside(Extent(*Find(kResultForm, id)), inputs));
  }
  for (int row = 0; row < 9; ++row) {
    SCOPED_TRACE(row);
    EXPECT_TRUE(inside(Extent(*Find(kResultForm, ids::summaryCaptionFirst + row)), outputs));
    EXPECT_TRUE(inside(Extent(*Find(kResultForm, ids::summaryValueFirst + row)), outputs));
  }
  EXPECT_TRUE(inside(Extent(*Find(kResultForm, ids::txtStackField)), outputs));
}

TEST(Layouts, FormsHaveTheirCaptionsAndSizes) {
  struct Expected {
    const FormLayout* form;
    const char* caption;
    int width, height;
  };
  const Expected forms[] = {
      {&kEnterForm, "Zentrik Core Selection Calculator", 8520, 6660},
      {&kInputForm, "Zentrik Core Design Tool Inputs", 0, 0},
      {&kResultForm, "Zentrik Core Design Summary Outputs", 10635, 8400},
      {&kIntermediateForm, "Zentrik Core Intermediate Outputs", 11385, 8400},
      {&kDirectionsForm, "Calculator Explaination", 10695, 7020},
  };
  for (const Expected& e : forms) {
    SCOPED_TRACE(e.caption);
    EXPECT_STREQ(e.form->caption, e.caption);
    if (e.width) {
      EXPECT_EQ(e.form->clientWidth, e.width);
      EXPECT_EQ(e.form->clientHeight, e.height);
    }
  }
  // The input form opens where the opening form stood.
  EXPECT_EQ(kInputForm.left, kEnterForm.left);
  EXPECT_EQ(kInputForm.top, kEnterForm.top);
}

// Tab from the last input control reaches the buttons, and "Cancel" is the
// last stop, so tabbing on wraps to the first input.
TEST(Layouts, InputFormTabOrderRunsFromVoltageToCancel) {
  std::vector<int> stops;
  for (const ControlLayout* c : Controls(kInputForm))
    if (c->style & kTabStop) stops.push_back(c->id);
  ASSERT_FALSE(stops.empty());
  EXPECT_EQ(stops.front(), ids::txtOutPutVoltage);
  EXPECT_EQ(stops.back(), ids::cmdExit);
  EXPECT_EQ(stops.size(), 13u + 1 + 5 + 1 + 4);  // boxes, unit list, check boxes, core list, buttons
}

TEST(Layouts, InputBoxesHoldTheirDefaults) {
  struct Default {
    int id;
    const char* text;
  };
  const Default defaults[] = {
      {ids::txtOutPutVoltage, "12"}, {ids::txtOutPutCurrent, "10"}, {ids::txtMinInputVoltage, "40"},
      {ids::txtInductorDrop, ".2"},  {ids::txtDiodeDrop, ".7"},     {ids::txtFrequency, "100000"},
      {ids::txtOverwind, "1.2"},     {ids::txtMaxDutyRatio, ".5"},  {ids::txtAmbientTemp, "35"},
      {ids::txtCurrentDensityFactor, "400"}, {ids::txtFill_Factor, ".3"}, {ids::txtTurns, "0"},
      {ids::txtStack, "1"},
  };
  for (const Default& d : defaults) {
    const ControlLayout* c = Find(kInputForm, d.id);
    ASSERT_NE(c, nullptr) << d.id;
    EXPECT_STREQ(c->text, d.text) << d.id;
    EXPECT_EQ(c->kind, Kind::TextBox);
  }
}

TEST(Layouts, InputFormToolTips) {
  struct Tip {
    int id;
    const char* text;
  };
  const Tip tips[] = {
      {ids::txtOutPutVoltage, "Inductance should not be greater than 0.1 Henries"},
      {ids::txtMinInputVoltage, "Output Power should not be greater than 5000 watts"},
      {ids::txtInductorDrop, "Efficiency should be between 90% to 100 %."},
      {ids::txtFrequency, " Frequency should not be greater than 1000000 Hz."},
      {ids::txtStack, "Number of Cores to Stack In Calculations"},
      {ids::chkShutDown, "Shutdown Calculator"},
      {ids::chkRegulator, "Regulation Calculator"},
      {ids::chkPick, "Pick A Core From the Core Size List"},
      {ids::cmdHelp, "Directions on how to use this product."},
  };
  int withTips = 0;
  for (const ControlLayout* c : Controls(kInputForm)) withTips += c->tooltip != nullptr;
  EXPECT_EQ(withTips, 9);
  for (const Tip& tip : tips) {
    const ControlLayout* c = Find(kInputForm, tip.id);
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->tooltip, nullptr) << tip.id;
    EXPECT_STREQ(c->tooltip, tip.text);
  }
}

TEST(FormTexts, DirectionsHaveNineteenLinesThatFitTheirBox) {
  std::string text = DirectionsText();
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  size_t lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 19u);
  EXPECT_EQ(text.substr(0, 27), "1. Enter your design inputs");
  EXPECT_NE(text.find("\r\n\r\n\r\nYou now have two choices\r\n"), std::string::npos);

  // A line of text takes about 1.2 times the font size: all 19 must show at once.
  const ControlLayout* box = Find(kDirectionsForm, ids::txtDirections);
  int lineTwips = box->font.tenthsOfPoint * 2 * 12 / 10;
  EXPECT_LE(19 * lineTwips + 120, box->height);
}

TEST(FormTexts, ContactAndDisclaimerCarryTheConfiguredContacts) {
  EXPECT_EQ(ContactText(), std::string("To contact us send an e-mail to ") + SupportEmail +
                               " or call one of the following:\r\n  USA " + SupportPhoneUSA + "       Europe " +
                               SupportPhoneEurope + "       Asia " + SupportPhoneAsia);
  std::string disclaimer = DisclaimerText();
  EXPECT_EQ(disclaimer.substr(0, 41), "Designs generated by this software are be");
  EXPECT_EQ(disclaimer.substr(disclaimer.size() - std::string(SupportPhoneUSA).size()), SupportPhoneUSA);
  EXPECT_NE(disclaimer.find("directed to:  Orlenta, Inc. Applications Development Group at "), std::string::npos);
}

}  // namespace
}  // namespace zentrik::forms
