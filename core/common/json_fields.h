#pragma once

// JSON form of the program's records, driven by each record's VisitFields: keys are the field
// names, owned records nest as objects, lists become arrays, money is a string in its short
// text form ("1234.5"), dates are "dd.mm.yyyy" strings, other numbers are JSON numbers.

#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/common/date.h"
#include "core/common/money.h"

namespace kvor {

using Json = nlohmann::ordered_json;

// A JSON value that does not fit the record it is read into; the message names the key.
class JsonFieldError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace json_detail {

template <class T>
struct IsStdArray : std::false_type {};
template <class T, size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};
template <class T>
struct IsVector : std::false_type {};
template <class T, class A>
struct IsVector<std::vector<T, A>> : std::true_type {};

struct NullVisitor {
  template <class T>
  void operator()(const char*, T&) {}
};
template <class T>
concept HasFields = requires(T& t) {
  T::VisitFields(t, NullVisitor{});
};

}  // namespace json_detail

template <class T>
Json ToJson(const T& value) {
  using namespace json_detail;
  if constexpr (std::is_same_v<T, std::string>) {
    return value;
  } else if constexpr (std::is_same_v<T, Money>) {
    return value.ToShortText('.');
  } else if constexpr (std::is_same_v<T, Date>) {
    return value.ToText('.');
  } else if constexpr (std::is_same_v<T, bool>) {
    return value ? 1 : 0;
  } else if constexpr (std::is_integral_v<T>) {
    if constexpr (std::is_signed_v<T>)
      return static_cast<int64_t>(value);
    else
      return static_cast<uint64_t>(value);
  } else if constexpr (std::is_floating_point_v<T>) {
    return value;
  } else if constexpr (IsStdArray<T>::value || IsVector<T>::value) {
    Json array = Json::array();
    for (const auto& item : value) array.push_back(ToJson(item));
    return array;
  } else if constexpr (HasFields<T>) {
    Json object = Json::object();
    T::VisitFields(value, [&](const char* key, const auto& field) { object[key] = ToJson(field); });
    return object;
  } else {
    static_assert(sizeof(T) == 0, "no JSON form for this type");
  }
}

template <class T>
void FromJson(const Json& json, T& value, const std::string& key);

namespace json_detail {

[[noreturn]] inline void WrongType(const std::string& key, const char* expected) {
  throw JsonFieldError("Поле «" + key + "»: ожидается " + expected);
}

template <class T>
void ReadInteger(const Json& json, T& value, const std::string& key) {
  if (!json.is_number_integer()) WrongType(key, "целое число");
  if constexpr (std::is_signed_v<T>) {
    if (json.is_number_unsigned() &&
        json.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<T>::max()))
      WrongType(key, "число в допустимых пределах");
    int64_t v = json.get<int64_t>();
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
      WrongType(key, "число в допустимых пределах");
    value = static_cast<T>(v);
  } else {
    if (!json.is_number_unsigned()) WrongType(key, "неотрицательное целое число");
    uint64_t v = json.get<uint64_t>();
    if (v > std::numeric_limits<T>::max()) WrongType(key, "число в допустимых пределах");
    value = static_cast<T>(v);
  }
}

}  // namespace json_detail

// Reads `json` into `value`. Keys missing from an object keep the value they had; an unknown
// key or a value of the wrong type raises JsonFieldError naming the key.
template <class T>
void FromJson(const Json& json, T& value, const std::string& key) {
  using namespace json_detail;
  if constexpr (std::is_same_v<T, std::string>) {
    if (!json.is_string()) WrongType(key, "строка");
    value = json.get<std::string>();
  } else if constexpr (std::is_same_v<T, Money>) {
    if (!json.is_string()) WrongType(key, "сумма строкой, например \"1234.5\"");
    auto money = Money::Parse(json.get<std::string>(), '.');
    if (!money) WrongType(key, "сумма строкой, например \"1234.5\"");
    value = *money;
  } else if constexpr (std::is_same_v<T, Date>) {
    if (!json.is_string()) WrongType(key, "дата строкой \"дд.мм.гггг\"");
    auto date = Date::Parse(json.get<std::string>(), '.');
    if (!date) WrongType(key, "дата строкой \"дд.мм.гггг\"");
    value = *date;
  } else if constexpr (std::is_same_v<T, bool>) {
    uint8_t v = 0;
    ReadInteger(json, v, key);
    value = v != 0;
  } else if constexpr (std::is_integral_v<T>) {
    ReadInteger(json, value, key);
  } else if constexpr (std::is_floating_point_v<T>) {
    if (!json.is_number()) WrongType(key, "число");
    value = json.get<T>();
  } else if constexpr (IsStdArray<T>::value) {
    if (!json.is_array() || json.size() != value.size())
      WrongType(key, ("массив из " + std::to_string(value.size()) + " элементов").c_str());
    for (size_t i = 0; i < value.size(); ++i)
      FromJson(json[i], value[i], key + "[" + std::to_string(i) + "]");
  } else if constexpr (IsVector<T>::value) {
    if (!json.is_array()) WrongType(key, "массив");
    value.clear();
    for (size_t i = 0; i < json.size(); ++i) {
      value.emplace_back();
      FromJson(json[i], value.back(), key + "[" + std::to_string(i) + "]");
    }
  } else if constexpr (HasFields<T>) {
    if (!json.is_object()) WrongType(key, "объект");
    std::set<std::string, std::less<>> known;
    const std::string prefix = key.empty() ? "" : key + ".";
    T::VisitFields(value, [&](const char* name, auto& field) {
      known.insert(name);
      if (auto found = json.find(name); found != json.end()) FromJson(*found, field, prefix + name);
    });
    for (auto it = json.begin(); it != json.end(); ++it)
      if (!known.count(it.key()))
        throw JsonFieldError("Неизвестное поле «" + prefix + it.key() + "»");
  } else {
    static_assert(sizeof(T) == 0, "no JSON form for this type");
  }
}

}  // namespace kvor
