#include "testing/xml_check.h"

#include <gtest/gtest.h>

namespace tarnik::testing {
namespace {

TEST(XmlCheck, AcceptsWhatTheWriterWrites) {
  EXPECT_EQ(XmlWellFormednessError(
                "<?xml version=\"1.0\" encoding=\"Windows-1250\" ?>\r\n<?ISLH 2010 LHP $ ?>\r\n"
                "<!DOCTYPE DATAISLH SYSTEM \"1.dtd\">\r\n<DATAISLH>\r\n  <A X=\"a &amp; &#269;\" "
                "Y='\xe8'/>\r\n  <DRV>\r\n  </DRV><!-- c -->\r\n</DATAISLH>\r\n"),
            std::nullopt);
}

TEST(XmlCheck, FindsEachKindOfFault) {
  const char* bad[] = {
      "<A><B></A></B>",         "<A X=\"1\" X=\"2\"/>", "<A X=1/>",   "<A X=\"<\"/>",
      "<A X=\"&x;\"/>",         "<A>&#0;</A>",          "<A/><B/>",   "text<A/>",
      "<A X=\"1\"Y=\"2\"/>",    "<A>\x01</A>",          "<A",         "",
      "<A><!-- a -- b --></A>", "<A X=\"&#xD800;\"/>",  "<A>]]></A>", "<1A/>",
  };
  for (const char* document : bad) {
    EXPECT_NE(XmlWellFormednessError(document), std::nullopt) << document;
  }
  EXPECT_EQ(*XmlWellFormednessError("<A>\n<B>\n</A>"), "řádek 3: koncový tag A místo B");
}

}  // namespace
}  // namespace tarnik::testing
