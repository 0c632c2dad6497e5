#pragma once

// Helpers of the exchange-file tests: returns from fixtures and inline JSON, documents parsed
// back, elements as compact XML text, and the standard XML tools run over a file.

#include <pugixml.hpp>
#include <string>

#include "core/model/declaration.h"

namespace kvor::exporttest {

// A return from a fixture file: ".kv4" is loaded as a return file, ".json" as its JSON form.
mTDeclaration FixtureReturn(const std::string& relative);
// A return from JSON text.
mTDeclaration ReturnFromJson(const std::string& json);

// The document's text of the return (print mode); fails the test when the export fails.
std::string DocumentText(mTDeclaration& d);
// The document parsed (from UTF-8 text).
pugi::xml_document Parse(const std::string& utf8);
// Every element matched by the XPath as XML on one line without whitespace, and every attribute
// as name=value, one per line; "" when nothing matches.
std::string Select(const pugi::xml_document& document, const std::string& xpath);
// Select over the document of the return.
std::string ExportedPart(mTDeclaration& d, const std::string& xpath);

// Runs a shell command; its status, and what it wrote to standard output and error.
struct CommandOutput {
  int Status = -1;
  std::string Out;
  std::string Err;
};
CommandOutput RunCommand(const std::string& command);

// The path in single quotes for the shell.
std::string ShellQuoted(const std::string& path);

}  // namespace kvor::exporttest
