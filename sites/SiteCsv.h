#pragma once

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

#include "sites/Site.h"

namespace sites {

// The sites list as CSV (RFC 4180, UTF-8, CR LF line ends), for moving it
// between PCs and editing it in a spreadsheet. No secrets: they stay in the
// keyring, where a site's name finds them again. Columns:
//   name, account, route (direct | receivers | gsm), address, port,
//   module_password (yes | no), receiver1 .. receiver4, phone, protocol (0-3),
//   notes, last_connected (ISO 8601, UTC), panel_software
QByteArray SitesCsv(const std::vector<Site>& list);

// A refused file: the line where the record begins, and what is wrong.
struct CsvProblem {
  int line = 0;
  QString message;
};

// Reads a file written by SitesCsv or by hand: the header names the columns
// in any order; name and route are needed, the others may be left out (a
// port of 4700, protocol 0, no module password). Every site is checked as
// it would be stored, and a name may come once: any fault refuses the file.
std::variant<std::vector<Site>, CsvProblem> ParseSitesCsv(const QByteArray& text);

// A field as RFC 4180 writes it: in quotes where it holds a comma, a quote or a line break.
QString CsvField(const QString& text);

// Larger files are refused before they are read.
inline constexpr qint64 kMaxSitesCsvBytes = 32 * 1024 * 1024;

}  // namespace sites
