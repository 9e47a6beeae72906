// The web page's engine side: the outline of an input that the form view
// reads, and the criteria's rows it builds the soil tables from.
#include "web/page_run.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/test_support.hpp"

namespace tarvex::web {
namespace {

using nlohmann::json;

std::string Example(const std::string& name) {
  return testing::ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
}

TEST(PageOutline, GivesTheSectionsLayersAndLoadCasesAsRead) {
  const json o = json::parse(OutlineForPage(Example("quickstart.tv6"), "quickstart.tv6"));
  EXPECT_EQ(o["units"], "USCS");
  EXPECT_TRUE(o["error"].is_null());
  ASSERT_EQ(o["sections"].size(), 1U);
  EXPECT_EQ(o["sections"][0]["line"], 27);  // the line of the section's number
  EXPECT_EQ(o["sections"][0]["type"], 1);
  EXPECT_EQ(o["sections"][0]["type_name"], "Drilled Shaft (Bored Pile)");
  EXPECT_EQ(o["sections"][0]["length"], 40.0);  // as read: feet, not converted
  ASSERT_EQ(o["layers"].size(), 2U);
  EXPECT_EQ(o["layers"][1]["code"], 2);
  EXPECT_EQ(o["layers"][1]["top"], 10.0);
  EXPECT_EQ(o["layers"][1]["bottom_values"], json::parse("[62.0, 3500.0, 0.005, 1000.0]"));
  ASSERT_EQ(o["load_cases"].size(), 3U);
  EXPECT_EQ(o["load_cases"][2]["type"], 4);
  EXPECT_EQ(o["load_cases"][2]["condition1"], 0.25);
  EXPECT_EQ(o["load_cases"][0]["length_study"], false);

  // SI dimensions as the reader keeps them; the lines of every section.
  const json si = json::parse(OutlineForPage(Example("lrfd_hpile_clays_si.tv6"), "x.tv6"));
  EXPECT_EQ(si["units"], "SI");
  EXPECT_TRUE(si["lrfd"]);
  for (const json& s : si["sections"]) EXPECT_GT(s["line"].get<int>(), 0);
}

TEST(PageOutline, StopsAtTheReadersErrorWithWhatItRead) {
  std::string text = Example("quickstart.tv6");
  text.replace(text.find("2  10.0  60.0"), 13, "2  10.0  abc");
  const json o = json::parse(OutlineForPage(text, "shaft.tv6"));
  ASSERT_TRUE(o["error"].is_object());
  EXPECT_EQ(o["error"]["identity"], "INP00095");
  EXPECT_EQ(o["error"]["line"], 50);
  EXPECT_EQ(o["sections"].size(), 1U);
  EXPECT_EQ(o["layers"].size(), 1U);  // layer 1, read before the fault in layer 2
  EXPECT_EQ(o["load_cases"].size(), 0U);
}

TEST(PageCriteria, GiveEveryCodesRowOfValues) {
  const json c = json::parse(CriteriaForPage());
  ASSERT_EQ(c.size(), 20U);
  EXPECT_EQ(c[0]["code"], 1);
  EXPECT_EQ(c[0]["fields"].size(), 3U);   // soft clay: unit weight, cohesion, epsilon-50
  EXPECT_EQ(c[13]["user_curves"], true);  // code 14
  EXPECT_EQ(c[15]["fields"].size(), 0U);  // massive rock reads no row
  EXPECT_EQ(c[19]["counted"], false);
  int piedmont = 0;
  for (const json& f : c[9]["fields"]) piedmont += f["count"].get<int>();
  EXPECT_EQ(piedmont, 6);  // unit weight, test type, four test values
}

}  // namespace
}  // namespace tarvex::web
