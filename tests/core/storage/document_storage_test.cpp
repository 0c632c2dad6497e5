#include "core/storage/document_storage.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/storage/errors.h"
#include "support/test_support.h"

namespace kvor {
namespace {

const std::string kHeader = "DLSG            Zedo20140102" + std::string(32, 'F');

// The bytes written by `body` after the header.
std::string Written(const std::function<void(mTDocumentStorage&)>& body) {
  mTFileLoader loader("", 0, false);
  mTDocumentStorage storage(&loader);
  storage.CreateStorage("Zedo2014");
  body(storage);
  return loader.Data().substr(mTDocumentStorage::kHeaderSize);
}

// A storage open for reading over a header of the given format and the given value bytes.
struct Reader {
  explicit Reader(const std::string& values, const std::string& header = kHeader)
      : loader(mTFileLoader::FromBytes("", header + values)), storage(&loader) {
    storage.OpenStorage();
  }
  mTFileLoader loader;
  mTDocumentStorage storage;
};

TEST(DocumentStorageTest, HeaderIsSixtyBytes) {
  mTFileLoader loader("", 0, false);
  mTDocumentStorage storage(&loader);
  storage.CreateStorage("Zedo2014");
  EXPECT_EQ(loader.Data(), kHeader);
  EXPECT_EQ(storage.Position(), 60u);
  EXPECT_THROW(storage.CreateStorage("Zedo2014"), mEAlreadyCreated);

  Reader reader("");
  EXPECT_EQ(reader.storage.Title(), "Zedo2014");
  EXPECT_EQ(reader.storage.FormatVersion(), 65538u);
  EXPECT_EQ(reader.storage.Reserved(), std::string(32, 'F'));
  EXPECT_EQ(reader.storage.Position(), 60u);
}

TEST(DocumentStorageTest, ValueEncodings) {
  struct Case {
    std::function<void(mTDocumentStorage&)> write;
    const char* bytes;
  } cases[] = {
      {[](auto& s) { s.WriteString(""); }, "0000"},
      {[](auto& s) { s.WriteString("@DeclInfo"); }, "0009@DeclInfo"},
      {[](auto& s) { s.WriteCurrency(Money::Roubles(1500)); }, "00041500"},
      {[](auto& s) { s.WriteCurrency(Money::Kopecks(123456)); }, "00071234.56"},
      {[](auto& s) { s.WriteCurrency(-Money::Kopecks(325)); }, "0005-3.25"},
      {[](auto& s) { s.WriteDate(*Date::FromYMD(2014, 12, 18)); }, "000541991"},
      {[](auto& s) { s.WriteDouble(0.13); }, "00040.13"},
      {[](auto& s) { s.WriteInteger(0); }, "00010"},
      {[](auto& s) { s.WriteInteger(static_cast<uint32_t>(-1)); }, "00104294967295"},
      {[](auto& s) { s.WriteWord(65535); }, "000565535"},
      {[](auto& s) { s.WriteByte(255); }, "0003255"},
  };
  for (const Case& c : cases) EXPECT_EQ(Written(c.write), c.bytes);
  EXPECT_EQ(Written([](auto& s) { s.WriteString("Ёлка"); }), "0004" + test::Cp1251("Ёлка"));
}

TEST(DocumentStorageTest, ValuesReadBack) {
  Reader r(
      "0000"
      "00041500"
      "00071234,56"
      "0001a"
      "0005-3.25"
      "000541991"
      "00007"
      "00104294967295"
      "000570000"
      "0003300"
      "00040,13");
  EXPECT_EQ(r.storage.ReadString(), "");
  EXPECT_EQ(r.storage.ReadCurrency(), Money::Roubles(1500));
  EXPECT_EQ(r.storage.ReadCurrency(), Money::Kopecks(123456));  // comma reads as a point
  EXPECT_EQ(r.storage.ReadCurrency(), Money::Roubles(-1));      // "a": an empty sum of old files
  EXPECT_EQ(r.storage.ReadCurrency(), -Money::Kopecks(325));
  EXPECT_EQ(r.storage.ReadDate(), *Date::FromYMD(2014, 12, 18));
  // A numeric value of length 0 reads one byte.
  EXPECT_EQ(r.storage.ReadInteger(), 7);
  EXPECT_EQ(r.storage.ReadInteger(), -1);           // kept in 32 bits
  EXPECT_EQ(r.storage.ReadWord(), 70000 & 0xFFFF);  // kept in 16 bits
  EXPECT_EQ(r.storage.ReadByte(), 300 & 0xFF);      // kept in 8 bits
  EXPECT_EQ(r.storage.ReadDouble(), 0.13);
}

TEST(DocumentStorageTest, OldFormatsKeepDatesAsText) {
  std::string header101 = "DLSG            Vove20050101" + std::string(32, 'F');
  Reader r(
      "001018.12.2014"
      "001018,12,2014",
      header101);
  EXPECT_EQ(r.storage.FormatVersion(), 65537u);
  EXPECT_EQ(r.storage.ReadDate(), *Date::FromYMD(2014, 12, 18));
  EXPECT_EQ(r.storage.ReadDate(), *Date::FromYMD(2014, 12, 18));
}

TEST(DocumentStorageTest, NumbersThatDoNotParseAreConversionErrors) {
  EXPECT_THROW(Reader("00031x2").storage.ReadInteger(), EConvertError);
  EXPECT_THROW(Reader("00031x2").storage.ReadCurrency(), EConvertError);
  EXPECT_THROW(Reader("0003abc").storage.ReadDouble(), EConvertError);
  EXPECT_THROW(Reader("00x3abc").storage.ReadString(), EConvertError);
  EXPECT_THROW(Reader("001199999999999").storage.ReadWord(), EConvertError);
}

TEST(DocumentStorageTest, ReadsNeverCrossTheEnd) {
  for (const char* values : {"", "00", "0005abc", "9999x", "0004123"}) {
    Reader r(values);
    try {
      r.storage.ReadString();
      FAIL() << values;
    } catch (const mEBadStorage& error) {
      EXPECT_STREQ(error.what(), messages::kDamagedFile);
    }
  }
}

TEST(DocumentStorageTest, HeaderChecks) {
  auto open = [](const std::string& bytes) {
    mTFileLoader loader = mTFileLoader::FromBytes("", bytes);
    mTDocumentStorage storage(&loader);
    storage.OpenStorage();
  };
  try {
    open("DLSX" + kHeader.substr(4));
    FAIL();
  } catch (const mEBadStorage& error) {
    EXPECT_STREQ(error.what(), "Неправильный формат файла декларации, возможно он поврежден.");
    EXPECT_EQ(error.ErrorCode, 68);
  }
  EXPECT_THROW(open("DLSG"), mEBadStorage);  // shorter than the header
  EXPECT_THROW(open(kHeader.substr(0, 24) + "0x02" + std::string(32, 'F')), EConvertError);
  EXPECT_THROW(mTFileLoader::FromBytes("", ""), mEMemoryAllocate);
}

TEST(DocumentStorageTest, StreamsAreFoundAtValueBoundariesOnly) {
  // A user's text that contains a stream name, and a text equal to a longer name's prefix.
  std::string values = Written([](auto& s) {
    s.CreateStream("@DeclInfo");
    s.WriteString("x0006@Nalog");
    s.WriteString("@Nal");
    s.CreateStream("@Nalog");
    s.WriteWord(7);
  });
  Reader r(values + std::string(5, '\0'));  // zero bytes after the last value are ignored
  r.storage.OpenStream("@Nalog");
  EXPECT_EQ(r.storage.CurrentStream(), "@Nalog");
  EXPECT_EQ(r.storage.ReadWord(), 7);
  EXPECT_FALSE(r.storage.HasStream("@Nal0"));
  r.storage.OpenStream("@DeclInfo");
  EXPECT_EQ(r.storage.ReadString(), "x0006@Nalog");
  try {
    r.storage.OpenStream("@Missing");
    FAIL();
  } catch (const mEOpenStream& error) {
    EXPECT_STREQ(error.what(), "Попытка открытия несуществующего потока");
    EXPECT_EQ(error.ErrorCode, 210);
  }
}

TEST(DocumentStorageTest, OperationsNeedAnOpenStorage) {
  mTFileLoader loader("", 0, false);
  mTDocumentStorage storage(&loader);
  struct Case {
    std::function<void()> call;
    uint16_t code;
  } cases[] = {
      {[&] { storage.CreateStream("@A"); }, 82}, {[&] { storage.ReadString(); }, 93},
      {[&] { storage.ReadInteger(); }, 102},     {[&] { storage.ReadWord(); }, 112},
      {[&] { storage.ReadCurrency(); }, 122},    {[&] { storage.ReadDouble(); }, 132},
      {[&] { storage.ReadByte(); }, 142},        {[&] { storage.WriteString(""); }, 151},
      {[&] { storage.WriteInteger(1); }, 161},   {[&] { storage.WriteWord(1); }, 171},
      {[&] { storage.WriteCurrency({}); }, 181}, {[&] { storage.WriteDouble(1); }, 191},
      {[&] { storage.WriteByte(1); }, 201},      {[&] { storage.OpenStream("@A"); }, 211},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      FAIL() << c.code;
    } catch (const mEObjectAccess& error) {
      EXPECT_EQ(error.ErrorCode, c.code);
      EXPECT_STREQ(error.what(), "Попытка доступа к неинициализированным данным.");
    }
  }
}

TEST(DocumentStorageTest, WritesOnAReadOnlyStorageAreRefused) {
  Reader r("");
  try {
    r.storage.WriteString("x");
    FAIL();
  } catch (const mEWriteStorage& error) {
    EXPECT_EQ(error.ErrorCode, 150);
    EXPECT_STREQ(error.what(), "Попытка записи в память только для чтения");
  }
  EXPECT_THROW(r.storage.CreateStream("@A"), mEWriteStorage);
  EXPECT_THROW(r.storage.OpenStorage(), mEAlreadyCreated);
}

TEST(DocumentStorageTest, ValuesThatCannotBeStoredAreRefused) {
  EXPECT_NO_THROW(Written([](auto& s) { s.WriteString(std::string(9999, 'x')); }));
  try {
    Written([](auto& s) { s.WriteString(std::string(10000, 'x')); });
    FAIL();
  } catch (const mEWriteStorage& error) {
    EXPECT_STREQ(error.what(), messages::kValueTooLong);
  }
  // Length is counted in Windows-1251 bytes: 5000 Cyrillic letters are 10000 UTF-8 bytes.
  std::string cyrillic;
  for (int i = 0; i < 5000; ++i) cyrillic += "ж";
  EXPECT_NO_THROW(Written([&](auto& s) { s.WriteString(cyrillic); }));
  try {
    Written([](auto& s) { s.WriteString("Иванов 漢"); });
    FAIL();
  } catch (const mEWriteStorage& error) {
    EXPECT_NE(std::string(error.what()).find("Windows-1251"), std::string::npos);
  }
}

}  // namespace
}  // namespace kvor
