#include "sites/SiteCsv.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTimeZone>
#include <optional>

#include "sites/SitesText.h"

namespace sites {
namespace {

const QStringList& Columns() {
  static const QStringList columns{
      QStringLiteral("name"),      QStringLiteral("account"),   QStringLiteral("route"),
      QStringLiteral("address"),   QStringLiteral("port"),      QStringLiteral("module_password"),
      QStringLiteral("receiver1"), QStringLiteral("receiver2"), QStringLiteral("receiver3"),
      QStringLiteral("receiver4"), QStringLiteral("phone"),     QStringLiteral("protocol"),
      QStringLiteral("notes"),     QStringLiteral("last_connected"), QStringLiteral("panel_software")};
  return columns;
}


// RFC 4180 records: fields split at commas, quotes around a field that holds
// commas, quotes ("" inside) or line breaks; CR LF or LF between records.
class Records {
 public:
  explicit Records(QString text) : text_(std::move(text)) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  int line() const { return line_; }
  QString error() const { return Tr(error_); }

  // The next record; nullopt on a format fault (error() says which).
  std::optional<QStringList> next() {
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    while (pos_ < text_.size()) {
      const QChar c = text_[pos_++];
      if (quoted) {
        if (c == QLatin1Char('"')) {
          if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
            field += c;
            ++pos_;
          } else {
            quoted = false;
          }
        } else {
          if (c == QLatin1Char('\n')) ++line_;
          field += c;
        }
        continue;
      }
      if (c == QLatin1Char('"')) {
        if (!field.isEmpty() || wasQuoted) {
          error_ = QT_TRANSLATE_NOOP("sites", "a quote inside a field that does not begin with one");
          return std::nullopt;
        }
        quoted = wasQuoted = true;
      } else if (c == QLatin1Char(',')) {
        fields << field;
        field.clear();
        wasQuoted = false;
      } else if (c == QLatin1Char('\r') && pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) {
        continue;
      } else if (c == QLatin1Char('\n')) {
        ++line_;
        fields << field;
        return fields;
      } else {
        if (wasQuoted) {
          error_ = QT_TRANSLATE_NOOP("sites", "text after a field's closing quote");
          return std::nullopt;
        }
        field += c;
      }
    }
    if (quoted) {
      error_ = QT_TRANSLATE_NOOP("sites", "a quoted field is not closed");
      return std::nullopt;
    }
    fields << field;
    return fields;
  }

 private:
  QString text_;
  qsizetype pos_ = 0;
  int line_ = 1;
  const char* error_ = "";
};

bool IsBlank(const QStringList& fields) { return fields.size() == 1 && fields[0].trimmed().isEmpty(); }

}  // namespace

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
      !text.contains(QLatin1Char('\r')))
    return text;
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray SitesCsv(const std::vector<Site>& list) {
  QString out = Columns().join(QLatin1Char(',')) + QStringLiteral("\r\n");
  for (const Site& site : list) {
    QStringList row{site.name,
                    site.account,
                    RouteWord(site.route),
                    site.address,
                    QString::number(site.port),
                    site.modulePassword ? QStringLiteral("yes") : QStringLiteral("no")};
    for (const QString& receiver : site.receivers) row << receiver;
    row << site.phone << QString::number(site.protocol) << site.notes
        << (site.lastConnected.isValid() ? site.lastConnected.toUTC().toString(Qt::ISODate) : QString())
        << site.panelSoftware;
    for (QString& field : row) field = CsvField(field);
    out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
  }
  return out.toUtf8();
}

std::variant<std::vector<Site>, CsvProblem> ParseSitesCsv(const QByteArray& bytes) {
  if (bytes.size() > kMaxSitesCsvBytes) return CsvProblem{0, Tr("the file is larger than 32 MB")};
  QByteArray data = bytes;
  if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);  // a spreadsheet's byte order mark
  const QString text = QString::fromUtf8(data);
  if (text.contains(QChar::ReplacementCharacter) && !data.contains("\xEF\xBF\xBD"))
    return CsvProblem{0, Tr("the file is not UTF-8 text")};

  Records records(text);
  const int headerLine = records.line();
  const std::optional<QStringList> header = records.next();
  if (!header) return CsvProblem{headerLine, records.error()};
  QHash<QString, int> at;
  for (int i = 0; i < header->size(); ++i) {
    const QString name = (*header)[i].trimmed().toLower();
    if (!Columns().contains(name)) return CsvProblem{headerLine, Tr("unknown column '%1'").arg((*header)[i])};
    if (at.contains(name)) return CsvProblem{headerLine, Tr("the column '%1' comes twice").arg(name)};
    at.insert(name, i);
  }
  for (const char* needed : {"name", "route"})
    if (!at.contains(QLatin1String(needed)))
      return CsvProblem{headerLine, Tr("the column '%1' is missing").arg(QLatin1String(needed))};

  std::vector<Site> list;
  QSet<QString> names;
  while (!records.atEnd()) {
    const int line = records.line();
    const std::optional<QStringList> fields = records.next();
    if (!fields) return CsvProblem{line, records.error()};
    if (IsBlank(*fields)) continue;
    if (fields->size() != header->size())
      return CsvProblem{line, Tr("%1 fields where the header has %2").arg(fields->size()).arg(header->size())};
    const auto value = [&](const char* column) {
      const int i = at.value(QLatin1String(column), -1);
      return i < 0 ? QString() : (*fields)[i].trimmed();
    };
    Site site;
    site.name = value("name");
    site.account = value("account");
    if (!RouteFromWord(value("route").toLower(), site.route))
      return CsvProblem{line, Tr("the route '%1' is not direct, receivers or gsm").arg(value("route"))};
    site.address = value("address");
    bool ok = true;
    if (!value("port").isEmpty()) {
      site.port = value("port").toInt(&ok);
      if (!ok) return CsvProblem{line, Tr("the port '%1' is not a number").arg(value("port"))};
    }
    const QString password = value("module_password").toLower();
    if (password == QLatin1String("yes")) {
      site.modulePassword = true;
    } else if (!password.isEmpty() && password != QLatin1String("no")) {
      return CsvProblem{line, Tr("module_password is '%1', not yes or no").arg(value("module_password"))};
    }
    for (int i = 0; i < kReceiverCount; ++i)
      site.receivers[static_cast<std::size_t>(i)] = value(QStringLiteral("receiver%1").arg(i + 1).toLatin1().constData());
    site.phone = value("phone");
    if (!value("protocol").isEmpty()) {
      site.protocol = value("protocol").toInt(&ok);
      if (!ok) return CsvProblem{line, Tr("the protocol '%1' is not a number").arg(value("protocol"))};
    }
    // Notes keep their own blanks and line breaks.
    if (const int i = at.value(QStringLiteral("notes"), -1); i >= 0) site.notes = (*fields)[i];
    if (!value("last_connected").isEmpty()) {
      site.lastConnected = QDateTime::fromString(value("last_connected"), Qt::ISODate);
      if (!site.lastConnected.isValid())
        return CsvProblem{line, Tr("last_connected '%1' is not an ISO 8601 time").arg(value("last_connected"))};
    }
    site.panelSoftware = value("panel_software");
    if (const QString problem = SiteProblem(site); !problem.isEmpty())
      return CsvProblem{line, site.name.isEmpty() ? problem : QStringLiteral("%1: %2").arg(site.name, problem)};
    if (names.contains(site.name.toCaseFolded()))
      return CsvProblem{line, Tr("the site '%1' comes twice").arg(site.name)};
    names.insert(site.name.toCaseFolded());
    list.push_back(std::move(site));
  }
  return list;
}

}  // namespace sites
