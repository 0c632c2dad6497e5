#include "core/directories/directory_xml.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "core/common/codec.h"
#include "core/common/number_text.h"
#include "core/storage/file_loader.h"

namespace kvor::directory_xml {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// The value of encoding="..." in the XML declaration at the start of the text; empty when
// there is no declaration or it names no encoding.
std::string DeclaredEncoding(std::string_view text) {
  if (!text.starts_with("<?xml")) return {};
  size_t end = text.find("?>");
  std::string_view declaration = text.substr(0, end);
  size_t key = declaration.find("encoding");
  if (key == std::string_view::npos) return {};
  size_t pos = key + 8;
  while (pos < declaration.size() && (declaration[pos] == ' ' || declaration[pos] == '=')) ++pos;
  if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\'')) return {};
  char quote = declaration[pos];
  size_t close = declaration.find(quote, pos + 1);
  if (close == std::string_view::npos) return {};
  return Lower(declaration.substr(pos + 1, close - pos - 1));
}

size_t LineAt(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

const char* Describe(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_unrecognized_tag:
      return "непонятная разметка";
    case pugi::status_bad_pi:
      return "ошибка в инструкции обработки";
    case pugi::status_bad_comment:
      return "ошибка в комментарии";
    case pugi::status_bad_cdata:
      return "ошибка в разделе CDATA";
    case pugi::status_bad_doctype:
      return "ошибка в объявлении типа документа";
    case pugi::status_bad_pcdata:
      return "ошибка в тексте";
    case pugi::status_bad_start_element:
      return "ошибка в открывающем теге";
    case pugi::status_bad_attribute:
      return "ошибка в атрибуте";
    case pugi::status_bad_end_element:
      return "ошибка в закрывающем теге";
    case pugi::status_end_element_mismatch:
      return "закрывающий тег не соответствует открывающему";
    case pugi::status_no_document_element:
      return "нет корневого элемента";
    case pugi::status_out_of_memory:
      return "недостаточно памяти";
    default:
      return "неправильная разметка";
  }
}

// The first control character XML does not allow (anything below the blank except tab, CR and
// LF), as an offset; npos when there is none.
size_t FindForbiddenControl(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return i;
  }
  return std::string_view::npos;
}

// The offset of the first invalid UTF-8 sequence, npos when the text is valid UTF-8.
size_t FindInvalidUtf8(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t start = pos;
    char32_t cp = NextCodePoint(text, pos);
    if (cp == 0xFFFD && text.substr(start, 3) != "\xEF\xBF\xBD") return start;
  }
  return std::string_view::npos;
}

}  // namespace

size_t Document::Line(pugi::xml_node node) const {
  ptrdiff_t offset = node.offset_debug();
  if (offset < 0) return 0;
  return LineAt(Text, static_cast<size_t>(offset));
}

std::string Document::Where(size_t number, pugi::xml_node node) const {
  std::string where = "запись " + std::to_string(number);
  if (size_t line = Line(node)) where += " (строка " + std::to_string(line) + ")";
  return where;
}

std::string Parse(std::string_view bytes, Document& document) {
  document.Xml.reset();
  document.Text.clear();
  std::string_view body = bytes;
  bool cp1251 = false;
  if (body.starts_with("\xEF\xBB\xBF")) {
    body.remove_prefix(3);
  } else if (body.starts_with("\xFF\xFE") || body.starts_with("\xFE\xFF")) {
    return "текст в кодировке UTF-16, ожидается Windows-1251";
  } else {
    std::string declared = DeclaredEncoding(body);
    if (declared == "windows-1251" || declared == "cp1251" || declared == "cp-1251" ||
        declared == "x-cp1251") {
      cp1251 = true;
    } else if (!declared.empty() && declared != "utf-8" && declared != "utf8") {
      return "неподдерживаемая кодировка «" + declared + "», ожидается Windows-1251";
    }
  }
  if (cp1251) {
    try {
      document.Text = Cp1251ToUtf8(body);
    } catch (const EncodingError& error) {
      return error.what();
    }
  } else {
    if (size_t bad = FindInvalidUtf8(body); bad != std::string_view::npos)
      return "текст в строке " + std::to_string(LineAt(body, bad)) +
             " не в объявленной кодировке UTF-8";
    document.Text = std::string(body);
  }
  if (size_t bad = FindForbiddenControl(document.Text); bad != std::string_view::npos) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(document.Text[bad]));
    return "недопустимый символ с кодом " + std::string(code) + " в строке " +
           std::to_string(LineAt(document.Text, bad));
  }
  pugi::xml_parse_result result = document.Xml.load_buffer(
      document.Text.data(), document.Text.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!result) {
    if (result.status == pugi::status_no_document_element) return Describe(result.status);
    return "ошибка XML в строке " +
           std::to_string(LineAt(document.Text, static_cast<size_t>(result.offset))) + ": " +
           Describe(result.status);
  }
  if (!document.Root()) return Describe(pugi::status_no_document_element);
  return {};
}

std::string ElementText(pugi::xml_node element) {
  // Walks the subtree without recursion: a deeply nested file must not exhaust the stack.
  std::string text;
  pugi::xml_node node = element.first_child();
  while (node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) text += node.value();
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && node != element && !node.next_sibling()) node = node.parent();
    if (!node || node == element) break;
    node = node.next_sibling();
  }
  return std::string(Trim(text));
}

const char* Attribute(pugi::xml_node element, const char* name) {
  pugi::xml_attribute attribute = element.attribute(name);
  return attribute ? attribute.value() : nullptr;
}

std::string ReadCodeTextRows(const Document& document, std::vector<CodeName>& rows) {
  rows.clear();
  size_t number = 0;
  for (pugi::xml_node row : document.Root().children()) {
    if (row.type() != pugi::node_element) continue;
    ++number;
    const char* code = Attribute(row, "Code");
    if (!code) return document.Where(number, row) + ": нет атрибута Code";
    rows.push_back({code, ElementText(row)});
  }
  return {};
}

void StartCp1251Document(pugi::xml_document& document) {
  document.reset();
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "windows-1251";
}

std::string SaveCp1251(const pugi::xml_document& document) {
  std::ostringstream out;
  document.save(out, "\t", pugi::format_indent, pugi::encoding_utf8);
  std::string utf8 = out.str();
  std::string crlf;
  crlf.reserve(utf8.size() + utf8.size() / 16);
  for (char c : utf8) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return Utf8ToCp1251(crlf);
}

std::string BrokenFileMessage(const std::string& fileName, const std::string& detail) {
  return "Справочник «" + fileName + "» повреждён: " + detail + ".";
}

std::string MissingFileMessage(const std::string& fileName) {
  return "Справочник «" + fileName + "» не найден.";
}

std::string BaseName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

bool ReadFileForDirectory(const std::string& path, std::string& bytes, std::string& error,
                          bool& missing) {
  std::error_code code;
  missing = !std::filesystem::exists(path, code);
  if (missing) {
    error = MissingFileMessage(BaseName(path));
    return false;
  }
  std::string reason;
  if (!ReadWholeFile(path, bytes, &reason)) {
    error = "Не удалось прочитать справочник «" + BaseName(path) + "»: " + reason + ".";
    return false;
  }
  return true;
}

}  // namespace kvor::directory_xml
