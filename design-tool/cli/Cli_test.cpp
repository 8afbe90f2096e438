#include "Cli.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Design.h"
#include "Tables.h"

namespace zentrik {
namespace {

using nlohmann::json;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  args.insert(args.begin(), "zentrik");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

json CliJson(std::vector<std::string> args) {
  args.push_back("--json");
  CliRun run = Cli(args);
  return json::parse(run.out);
}

// The summary rows as caption -> value, for both groups.
std::map<std::string, std::string> SummaryValues(const json& doc) {
  std::map<std::string, std::string> values;
  for (const char* group : {"inputValues", "summaryOutput"})
    for (const json& row : doc["summary"][group]) values[row["caption"]] = row["value"];
  return values;
}

TEST(Cli, DefaultDesignPrintsTheSummary) {
  CliRun run = Cli({});
  EXPECT_EQ(run.status, kExitDesign);
  EXPECT_NE(run.out.find("Summary Output"), std::string::npos);
  EXPECT_NE(run.out.find("  Core Size                       TC23\n"), std::string::npos);
  EXPECT_NE(run.out.find("  No. of Turns                      19\n"), std::string::npos);
  EXPECT_NE(run.out.find("  Temperature Rise                  54  \xC2\xB0" "C\n"), std::string::npos);
  EXPECT_NE(run.out.find("amps/cm\xC2\xB2"), std::string::npos);  // UTF-8 "²"
  EXPECT_NE(run.out.find("  Total Temperature                 89  \xC2\xB0" "C\n"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

struct JsonCase {
  const char* name;
  std::vector<std::string> args;
  std::map<std::string, std::string> summary;
  const char* totalTemperature;
  size_t advisories;
};

TEST(Cli, JsonAgreesWithTheWorkedExamples) {
  const JsonCase cases[] = {
      {"defaults", {}, {{"Core Size", "TC23"}, {"No. of Turns", "19"}, {"Wire Size", "13"},
        {"Copper Loss", "0.32"}, {"Core Loss", "1.48"}, {"Total Losses", "1.8"},
        {"Temperature Rise", "54"}, {"Reset Field", "0.17"}, {"Control Current", "50"},
        {"Core Size Selected", "Calculated"}, {"Switching Frequency", "100000"}}, "89", 0},
      {"regulation", {"--regulation"}, {{"Core Size", "TC14"}, {"No. of Turns", "10"}}, "78", 0},
      {"pick TC05", {"--pick", "TC05"}, {{"Core Size", "TC05"}, {"Core Size Selected", "TC05"},
        {"No. of Turns", "37"}}, "110", 2},
      {"kHz", {"--frequency", "100", "--khz"}, {{"Switching Frequency", "100000"}, {"Core Size", "TC23"}},
       "89", 0},
      {"given turns", {"--turns", "25.0"}, {{"Turns Selected", "25.0"}, {"No. of Turns", "25"}}, nullptr, 0},
  };
  for (const JsonCase& c : cases) {
    SCOPED_TRACE(c.name);
    json doc = CliJson(c.args);
    EXPECT_EQ(doc["outcome"], "design");
    std::map<std::string, std::string> values = SummaryValues(doc);
    for (const auto& [caption, value] : c.summary) EXPECT_EQ(values[caption], value) << caption;
    if (c.totalTemperature) {
      EXPECT_EQ(doc["result"]["totalTemperature"], c.totalTemperature);
    }
    EXPECT_EQ(doc["advisories"].size(), c.advisories);
  }
}

TEST(Cli, JsonAdvisoriesCarryTextTitleAndIcon) {
  json doc = CliJson({"--pick", "TC05"});
  ASSERT_EQ(doc["advisories"].size(), 2u);
  EXPECT_EQ(doc["advisories"][0]["title"], "Project1");
  EXPECT_EQ(doc["advisories"][0]["icon"], "none");
  std::string fill = doc["advisories"][0]["text"];
  EXPECT_EQ(fill.substr(0, fill.find("\r\n")), "Actual window fill, 362% exceeds 30%.");
  EXPECT_EQ(doc["advisories"][1]["title"], "Caution");
  EXPECT_EQ(doc["advisories"][1]["icon"], "information");
  std::string hot = doc["advisories"][1]["text"];
  EXPECT_EQ(hot.substr(0, hot.find("\r\n")), "Total temperature for core size selected is > 90\xC2\xB0" "C.");
  EXPECT_EQ(doc["result"]["limitExceeded"], -1);
}

// Every double of the record reads back bit for bit.
TEST(Cli, JsonDoublesReadBackExactly) {
  DesignTables tables;
  tables.DataLoad();
  tables.ArrayData_MA_Load();
  InputFormState form;
  DesignInputs inputs;
  inputs.calculatorType = kCalculateCore;
  DesignResult result;
  ShowResults(form, inputs, tables, result);

  json doc = CliJson({});
  const json& r = doc["result"];
  EXPECT_EQ(r["voltSeconds"].get<double>(), result.voltSeconds);
  EXPECT_EQ(r["calcAreaProduct"].get<double>(), result.calcAreaProduct);
  EXPECT_EQ(r["bac"].get<double>(), result.bac);
  EXPECT_EQ(r["coreLossDensity"].get<double>(), result.coreLossDensity);
  EXPECT_EQ(r["temperatureRise"].get<double>(), result.temperatureRise);
  EXPECT_EQ(r["resetField"].get<double>(), result.resetField);
  EXPECT_EQ(r["controlCurrent"].get<double>(), result.controlCurrent);
  EXPECT_EQ(r["requiredDutyRatio"].get<double>(), result.requiredDutyRatio);
  EXPECT_EQ(r.size(), 37u);
  EXPECT_EQ(doc["inputs"].size(), 17u);
  EXPECT_EQ(doc["inputs"]["windowFillFactor"].get<double>(), 0.3);
}

TEST(Cli, RejectedInputExitsOneWithMessageAndControl) {
  json doc = CliJson({"--output-current", "0"});
  EXPECT_EQ(doc["outcome"], "rejected");
  EXPECT_EQ(doc["message"], "Enter Output Current Value > 0.");
  EXPECT_EQ(doc["control"], "txtOutPutCurrent");
  EXPECT_TRUE(doc["result"].is_null());

  CliRun run = Cli({"--fill-factor", "."});
  EXPECT_EQ(run.status, kExitRejected);
  EXPECT_NE(run.out.find("Enter a Window Fill Factor between 0 and .9"), std::string::npos);
  EXPECT_EQ(Cli({"--pick", "TC99"}).status, kExitRejected);
  EXPECT_EQ(Cli({"--turns", "0.4"}).status, kExitRejected);
}

TEST(Cli, StoppingAdvisoryExitsTwo) {
  CliRun run = Cli({"--frequency", "12500"});
  EXPECT_EQ(run.status, kExitStopped);
  EXPECT_NE(run.out.find("Calculated area product exceeds the maximum"), std::string::npos);
  EXPECT_EQ(run.out.find("Summary Output"), std::string::npos);

  json doc = CliJson({"--output-current", "40", "--current-density", "250"});
  EXPECT_EQ(doc["outcome"], "no-core");
  EXPECT_EQ(doc["advisories"].size(), 1u);
  EXPECT_FALSE(doc.contains("summary"));
}

TEST(Cli, BadUsageExits64WithOneLine) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--bogus"}, {"--frequency"}, {"--regulation", "--shutdown"}, {"extra"}}) {
    CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitUsage) << args[0];
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

TEST(Cli, HelpAndCoreListExitZero) {
  CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, kExitDesign);
  EXPECT_NE(help.out.find("--output-voltage"), std::string::npos);

  CliRun list = Cli({"--list-cores"});
  EXPECT_EQ(list.status, kExitDesign);
  std::istringstream lines(list.out);
  std::vector<std::string> entries;
  for (std::string line; std::getline(lines, line);) entries.push_back(line);
  ASSERT_EQ(entries.size(), 31u);
  EXPECT_EQ(entries[0], "TC01" + std::string(16, ' ') + " OD= 8mm,  ID= 4 mm, Height = 5mm");
}

TEST(Cli, EmptyTextGoesThroughTheChecks) {
  json doc = CliJson({"--stack", ""});
  EXPECT_EQ(doc["outcome"], "design");
  EXPECT_EQ(doc["inputs"]["coresToStack"], 1);
  EXPECT_EQ(CliJson({"--output-voltage", ""})["control"], "txtOutPutVoltage");
}

TEST(Cp1252ToUtf8, MapsTheHighHalf) {
  EXPECT_EQ(Cp1252ToUtf8("90\xB0" "C"), "90\xC2\xB0" "C");
  EXPECT_EQ(Cp1252ToUtf8("cm\xB2"), "cm\xC2\xB2");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Cp1252ToUtf8("plain"), "plain");
}

}  // namespace
}  // namespace zentrik
