#include "core/export/title_data.h"

#include "core/common/codec.h"
#include "core/common/number_text.h"
#include "core/export/exchange_body.h"
#include "core/export/exchange_values.h"
#include "core/export/xml_names.h"

namespace kvor {

namespace n = xml_names;

namespace {

// The longest name part the file takes.
constexpr size_t kNamePartLength = 60;

// The first `count` characters of a UTF-8 text (all of it when shorter).
std::string_view FirstChars(std::string_view utf8, size_t count) {
  size_t pos = 0;
  for (size_t i = 0; i < count && pos < utf8.size(); ++i) NextCodePoint(utf8, pos);
  return utf8.substr(0, pos);
}

// Takes the text up to the first space (at most kNamePartLength characters) off the front of
// `rest`, which is left trimmed.
std::string TakeWord(std::string_view& rest) {
  size_t space = rest.find(' ');
  std::string_view word = FirstChars(rest.substr(0, space), kNamePartLength);
  rest = Trim(rest.substr(word.size()));
  return std::string(Trim(word));
}

// A name part that must not be empty is written as a single space.
std::string_view OrSpace(const std::string& part) {
  return part.empty() ? std::string_view(" ") : std::string_view(part);
}

void WriteIdentityDocument(ExchangeElement document, const mTPersonInformation& p) {
  document.Text(n::КодВидДок, PadLeft(std::to_string(p.DocTypeCode), 2))
      .Text(n::СерНомДок, p.DocSerial)
      .DateValue(n::ДатаДок, p.DocIssueDate)
      .Text(n::ВыдДок, p.DocIssuedBy);
}

// The citizenship country code, "643" when none is entered.
std::string CountryCodeOf(const mTPersonInformation& p) {
  if (IsBlank(p.CountryCode)) return "643";
  return PadLeft(p.CountryCode, 3);
}

}  // namespace

RepresentativeNameParts SplitRepresentativeName(std::string_view fullName) {
  std::string_view rest = Trim(fullName);
  RepresentativeNameParts parts;
  parts.Surname = TakeWord(rest);
  parts.Name = TakeWord(rest);
  parts.Patronymic = std::string(Trim(FirstChars(rest, kNamePartLength)));
  return parts;
}

std::string TaxpayerCategoryCode(const mTDeclaration& d, bool form4) {
  switch (d.TaxpayerKind) {
    case 0:
      return "720";  // individual entrepreneur
    case 1:
      return "770";  // head of a farm household
    case 2:
      return "730";  // notary
    case 3:
      return "740";  // lawyer
    case 6:
      return form4 ? "000" : "750";  // arbitration manager
    default:
      return form4 ? "000" : "760";  // any other individual
  }
}

void WriteTaxpayer3(ExchangeElement document, const mTDeclaration& d) {
  const mTPersonInformation& p = d.PersonInformation;
  ExchangeElement taxpayer = document.Child(n::СвНП).Child(n::НПФЛ3);
  taxpayer.TextIfNotBlank(n::Тлф, p.HomePhone)
      .Text(n::ДокПредст, TaxpayerCategoryCode(d, false))
      .Text(n::Статус, d.DeclarationType == kDeclaration3NDFLNonResident ? "2" : "1")
      .TextIfNotBlank(n::АдрИно, p.ForeignAddress);
  taxpayer.Child(n::ФИОФЛ)
      .Text(n::Фамилия, p.SurName)
      .Text(n::Имя, p.Name)
      .TextIfNotBlank(n::Отчество, p.Patronymic);
  ExchangeElement addressKind = taxpayer.Child(n::СвАдрРФ);
  addressKind.Text(n::ПрАдр, p.AddressKind == 0 ? "1" : "2");
  WriteRussianAddress(addressKind.Child(n::АдрРФ), p, std::to_string(p.RegionCode));
  if (!IsBlank(p.INN)) {
    ExchangeElement person = taxpayer.Child(n::СведФЛ1);
    person.Text(n::ИННФЛ, p.INN)
        .DateValue(n::ДатаРожд, p.BirthDate)
        .TextIfNotBlank(n::МестоРожд, p.BirthPlace)
        .Text(n::ОКСМ, CountryCodeOf(p));
    if (p.DocTypeCode != 0) WriteIdentityDocument(person.Child(n::УдЛичн), p);
  } else {
    ExchangeElement person = taxpayer.Child(n::СведФЛ2);
    person.DateValue(n::ДатаРожд, p.BirthDate)
        .Text(n::МестоРожд, p.BirthPlace)
        .Text(n::ОКСМ, CountryCodeOf(p));
    WriteIdentityDocument(person.Child(n::УдЛичн), p);
  }
}

void WriteTaxpayer4(ExchangeElement document, const mTDeclaration& d) {
  const mTPersonInformation& p = d.PersonInformation;
  ExchangeElement taxpayer = document.Child(n::СвНП).Child(n::НПФЛ);
  taxpayer.Text(n::ДокПредст, TaxpayerCategoryCode(d, true))
      .Text(n::ИННФЛ, p.INN)
      .Text(n::ОКТМО, p.OKTMO)
      .TextIfNotBlank(n::Тлф, p.HomePhone);
  taxpayer.Child(n::ФИО)
      .Text(n::Фамилия, p.SurName)
      .Text(n::Имя, p.Name)
      .TextIfNotBlank(n::Отчество, p.Patronymic);
}

void WriteSigner(ExchangeElement document, const mTDeclaration& d, bool form4) {
  ExchangeElement signer = document.Child(n::Подписант);
  bool representative = d.ConfirmKind != 0;
  signer.Text(n::ПрПодп, representative ? "2" : "1");
  if (!representative) return;
  RepresentativeNameParts parts = SplitRepresentativeName(d.RepresentativeName);
  ExchangeElement name = signer.Child(n::ФИО);
  name.Text(n::Фамилия, OrSpace(parts.Surname)).Text(n::Имя, OrSpace(parts.Name));
  if (!parts.Patronymic.empty()) name.Text(n::Отчество, parts.Patronymic);
  ExchangeElement authority = signer.Child(n::СвПред);
  authority.Text(n::НаимДок, d.RepresentativeDocument);
  if (form4) authority.TextIfNotBlank(n::НаимОрг, d.RepresentativeOrganization);
}

}  // namespace kvor
