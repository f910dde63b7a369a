#include "platform/xml_file.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(XmlFile, DeclaredCodePagesAreTranscoded) {
  pugi::xml_document doc;
  ASSERT_TRUE(loadXml(doc, "<?xml version=\"1.0\" encoding=\"windows-1250\"?><a n=\"\xDA\xE8\x65t\">\x9A</a>"));
  EXPECT_STREQ(doc.child("a").attribute("n").value(), "Účet");
  EXPECT_STREQ(doc.child("a").text().get(), "š");

  ASSERT_TRUE(loadXml(doc, "<?xml version='1.0' encoding='ISO-8859-2'?><a>\xB9</a>"));
  EXPECT_STREQ(doc.child("a").text().get(), "š");

  const std::string utf16("\xFF\xFE<\0a\0>\0\x0D\x01<\0/\0a\0>\0", 18);
  ASSERT_TRUE(loadXml(doc, utf16));
  EXPECT_STREQ(doc.child("a").text().get(), "č");
  ASSERT_TRUE(loadXml(doc, std::string("<\0a\0>\0\x0D\x01<\0/\0a\0>\0", 16)));
  EXPECT_STREQ(doc.child("a").text().get(), "č");

  // Bytes that should be UTF-8 and are not are read in the code page; valid UTF-8 stays.
  ASSERT_TRUE(loadXml(doc, "<a>\x9A</a>"));
  EXPECT_STREQ(doc.child("a").text().get(), "š");
  ASSERT_TRUE(loadXml(doc, "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?><a>\x9A</a>"));
  EXPECT_STREQ(doc.child("a").text().get(), "š");
  ASSERT_TRUE(loadXml(doc, "\xEF\xBB\xBF<a>\xC5\xA1</a>"));
  EXPECT_STREQ(doc.child("a").text().get(), "š");
}

TEST(XmlFile, CommentsAndInstructionsOnlyWhenAsked) {
  pugi::xml_document doc;
  const char* xml = "<a><b/><!-- c --><?p x?><b/></a>";
  ASSERT_TRUE(loadXml(doc, xml));
  EXPECT_EQ(std::distance(doc.child("a").begin(), doc.child("a").end()), 2);
  ASSERT_TRUE(loadXml(doc, xml, XmlNodes::All));
  EXPECT_EQ(std::distance(doc.child("a").begin(), doc.child("a").end()), 4);
  EXPECT_EQ(xmlText(doc.child("a")), "");
}

TEST(XmlFile, NoRootElementOrABrokenDocumentFails) {
  pugi::xml_document doc;
  EXPECT_FALSE(loadXml(doc, ""));
  EXPECT_FALSE(loadXml(doc, "<?xml version=\"1.0\"?><!-- nic -->", XmlNodes::All));
  EXPECT_FALSE(loadXml(doc, "<a><b></a>"));
}

TEST(XmlFile, EntitiesOfADoctypeAreNotExpanded) {
  pugi::xml_document doc;
  const std::string bomb =
      "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x \"xxxxxxxxxx\"><!ENTITY y \"&x;&x;&x;&x;\">"
      "<!ENTITY ext SYSTEM \"file:///etc/passwd\">]><a>&y;&ext;</a>";
  loadXml(doc, bomb);
  EXPECT_EQ(std::string(doc.child("a").text().get()).find("xxxx"), std::string::npos);
  EXPECT_EQ(std::string(doc.child("a").text().get()).find("root"), std::string::npos);

  std::string deep;
  for (int i = 0; i < 10000; ++i) deep += "<e>";
  for (int i = 0; i < 10000; ++i) deep += "</e>";
  EXPECT_TRUE(loadXml(doc, deep));
}

TEST(XmlFile, NodeTextJoinsDescendantsAndTrims) {
  pugi::xml_document doc;
  ASSERT_TRUE(loadXml(doc, "<a>\n  <b> 12<![CDATA[3]]></b><c><d>4</d></c>5 \n</a>"));
  EXPECT_EQ(xmlText(doc.child("a")), "12345");
  EXPECT_EQ(xmlText(doc.child("a").child("b")), "123");
  EXPECT_EQ(xmlText(doc.child("a").child("missing")), "");
  EXPECT_EQ(xmlText(doc.child("a").child("c").child("d").first_child()), "4");
}

}  // namespace kalkora
