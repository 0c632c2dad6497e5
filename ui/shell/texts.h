#pragma once

#include <QString>
#include <string>

#include "core/export/export_return.h"

// The texts the main window shows.
namespace kvor::ui::texts {

inline const QString kAppTitle = QStringLiteral("Квор 2014");
inline const QString kTitleSuffix = QStringLiteral(" - Квор 2014");
inline const QString kUntitled = QStringLiteral("Без имени");

inline const QString kSaveQuestion = QStringLiteral("Вы хотите сохранить декларацию?");
// Asked before a save under a name that only the extension change produced would replace
// another file; %1 is the file's name.
inline const QString kReplaceQuestion = QStringLiteral("Файл \"%1\" уже существует. Заменить его?");
inline const QString kCheckPassed = QStringLiteral("Проверка декларации завершена успешно");
inline const QString kExportFailed =
    QStringLiteral("Файл не сформирован, свяжитесь с разработчиками.");
inline const QString kExportWritten = QStringLiteral("Сформирован файл ");
inline const QString kExportNotWritten = QString::fromUtf8(kExportNotSavedMessage);
inline const QString kNoPrintModule = QStringLiteral(
    "Не найден модуль печати. Войдите в рабочий каталог программы \"Квор 2014\" и запустите "
    "файл \"Острел(3.0.32).msi\"");
inline const QString kTaxAuthorityParameter =
    QStringLiteral("Наименование налогового органа-получателя");
inline const QString kNoHelp = QStringLiteral("Не найден файл справки Zedo2014.chm");
// Shown when the inspection directory beside the program cannot be read; the program then ends.
inline const QString kInspectionsUnreadable = QStringLiteral(
    "Поменяйте язык и региональные стандарты ОС на русские. Или обратитесь на горячую линию "
    "программы: ");
inline const QString kSupportEmail = QStringLiteral("support@kvor2014.example");

inline const QString kOpenFilters = QStringLiteral(
    "Квор 2014 (*.kv4);;Квор 2013 (*.kv3);;Квор 2012 (*.kv2);;Квор 2011 (*.kv1);;"
    "Квор 2010 (*.kv0);;Квор 2009 (*.kv9);;Квор 2008 (*.kv8);;Квор 2007 (*.kv7);;"
    "Квор 2006 (*.kv6);;Квор 2005 (*.kv5);;Квор 200* (*.kvl)");
inline const QString kSaveFilters = QStringLiteral("Квор 2014 *.kv4 (*.kv4)");
inline const QString kReturnSuffix = QStringLiteral("kv4");

}  // namespace kvor::ui::texts

namespace kvor::ui {

// A message of the core as a box shows it: the core breaks lines with a carriage return.
inline QString MessageText(const std::string& message) {
  return QString::fromStdString(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace kvor::ui
