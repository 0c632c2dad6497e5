#include "core/directories/inspections.h"

#include "core/directories/directory_xml.h"

namespace kvor {

DirectoryResult<InspectionDirectory> ParseInspectionDirectory(std::string_view bytes,
                                                              const std::string& fileName) {
  using Result = DirectoryResult<InspectionDirectory>;
  directory_xml::Document document;
  std::string error = directory_xml::Parse(bytes, document);
  InspectionDirectory directory;
  if (error.empty()) error = directory_xml::ReadCodeTextRows(document, directory.Inspections);
  if (!error.empty()) return Result::Failure(directory_xml::BrokenFileMessage(fileName, error));
  if (const char* version = directory_xml::Attribute(document.Root(), "Version"))
    directory.Version = version;
  if (const char* date = directory_xml::Attribute(document.Root(), "Date")) directory.Date = date;
  return Result::Success(std::move(directory));
}

DirectoryResult<InspectionDirectory> LoadInspectionDirectory(const std::string& path) {
  return directory_xml::LoadFile<InspectionDirectory>(
      path, [](std::string_view bytes, const std::string& name) {
        return ParseInspectionDirectory(bytes, name);
      });
}

std::string InspectionDirectoryToXml(const InspectionDirectory& directory) {
  pugi::xml_document document;
  directory_xml::StartCp1251Document(document);
  pugi::xml_node root = document.append_child("Inspections");
  root.append_attribute("Version") = directory.Version.c_str();
  root.append_attribute("Date") = directory.Date.c_str();
  for (const CodeName& inspection : directory.Inspections) {
    pugi::xml_node row = root.append_child("Inspection");
    row.append_attribute("Code") = inspection.Code.c_str();
    row.text() = inspection.Name.c_str();
  }
  return directory_xml::SaveCp1251(document);
}

}  // namespace kvor
