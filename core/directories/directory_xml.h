#pragma once

// XML plumbing shared by the directory readers and writers. Internal to the core: the public
// headers of the directories expose plain records, never the XML document.
#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "core/directories/directory_files.h"

namespace kvor::directory_xml {

// A parsed XML file and the UTF-8 text it was parsed from (for line numbers in messages).
struct Document {
  pugi::xml_document Xml;
  std::string Text;

  pugi::xml_node Root() const { return Xml.document_element(); }
  // The 1-based line of a node, 0 when unknown.
  size_t Line(pugi::xml_node node) const;
  // "запись N (строка L)" for the n-th (1-based) child of the root.
  std::string Where(size_t number, pugi::xml_node node) const;
};

// Parses the bytes of an XML file as UTF-8. The text is taken as Windows-1251 when its
// declaration says so (the directories' own encoding), as UTF-8 when it declares UTF-8, carries
// the UTF-8 byte order mark or has no declaration. Returns an empty string on success,
// otherwise a Russian description of the fault ("ошибка XML в строке 3: ...").
std::string Parse(std::string_view bytes, Document& document);

// The text of an element as the pickers show it: every text and CDATA piece inside it, joined,
// without leading and trailing blanks.
std::string ElementText(pugi::xml_node element);

// The attribute's value, or nullptr when the element has no such attribute.
const char* Attribute(pugi::xml_node element, const char* name);

// The rows of a code list file: every child element of the root, whatever its name, gives its
// `Code` attribute and its text. Returns an empty string, or the fault ("запись 3 (строка 5):
// нет атрибута Code").
std::string ReadCodeTextRows(const Document& document, std::vector<CodeName>& rows);

// A fresh document holding only the declaration <?xml version="1.0" encoding="windows-1251"?>.
void StartCp1251Document(pugi::xml_document& document);

// Serialises a document built in UTF-8 as a Windows-1251 file: its declaration, one element per
// line, CR LF line ends. Throws EncodingError naming a character Windows-1251 cannot hold.
std::string SaveCp1251(const pugi::xml_document& document);

// "Справочник «NAME» повреждён: DETAIL." and "Справочник «NAME» не найден."
std::string BrokenFileMessage(const std::string& fileName, const std::string& detail);
std::string MissingFileMessage(const std::string& fileName);

// The last component of a path, for messages.
std::string BaseName(const std::string& path);

// Reads a whole directory file; false with the message (and `missing` set when it does not exist).
bool ReadFileForDirectory(const std::string& path, std::string& bytes, std::string& error,
                          bool& missing);

// Reads a directory file and hands its bytes to `parse(bytes, fileName)`, which returns a
// DirectoryResult<T>. A missing file gives a Missing result, an unreadable one an error.
template <class T, class ParseFunction>
DirectoryResult<T> LoadFile(const std::string& path, ParseFunction parse) {
  std::string bytes, error;
  bool missing = false;
  if (!ReadFileForDirectory(path, bytes, error, missing))
    return DirectoryResult<T>::Failure(error, missing);
  return parse(bytes, BaseName(path));
}

}  // namespace kvor::directory_xml
