#include "core/export/export_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "core/export/export_return.h"
#include "core/model/json_io.h"
#include "support/test_support.h"

namespace kvor::exporttest {

mTDeclaration FixtureReturn(const std::string& relative) {
  std::string path = test::FixturePath(relative);
  mTDeclaration d;
  if (relative.ends_with(".json"))
    d = DeclarationFromJsonText(test::ReadFile(path));
  else
    d.LoadFromFile(path);
  return d;
}

mTDeclaration ReturnFromJson(const std::string& json) {
  return DeclarationFromJsonText(json);
}

std::string DocumentText(mTDeclaration& d) {
  ExportResult result = ExportReturn(std::string(), d, ExportMode::kPrint);
  EXPECT_FALSE(result.Failed()) << result.Reason;
  EXPECT_TRUE(result.Messages.empty());
  return result.Result;
}

pugi::xml_document Parse(const std::string& utf8) {
  pugi::xml_document document;
  pugi::xml_parse_result parsed =
      document.load_buffer(utf8.data(), utf8.size(), pugi::parse_default, pugi::encoding_utf8);
  EXPECT_TRUE(parsed) << parsed.description();
  return document;
}

std::string Select(const pugi::xml_document& document, const std::string& xpath) {
  std::string text;
  for (const pugi::xpath_node& match : document.select_nodes(xpath.c_str())) {
    if (match.attribute()) {
      text += std::string(match.attribute().name()) + "=" + match.attribute().value() + "\n";
      continue;
    }
    std::ostringstream element;
    match.node().print(element, "", pugi::format_raw);
    text += element.str() + "\n";
  }
  return text;
}

std::string ExportedPart(mTDeclaration& d, const std::string& xpath) {
  return Select(Parse(DocumentText(d)), xpath);
}

CommandOutput RunCommand(const std::string& command) {
  test::TempDir dir;
  std::string full =
      command + " >" + ShellQuoted(dir.File("out")) + " 2>" + ShellQuoted(dir.File("err"));
  CommandOutput output;
  int status = std::system(full.c_str());
  output.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  output.Out = test::ReadFile(dir.File("out"));
  output.Err = test::ReadFile(dir.File("err"));
  return output;
}

std::string ShellQuoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

}  // namespace kvor::exporttest
