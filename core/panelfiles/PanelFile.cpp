#include "core/panelfiles/PanelFile.h"

#include <cstdio>
#include <toml++/toml.h>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace panelfiles {

namespace {

const Slot& SlotAt(int slot) { return AllSlots()[static_cast<std::size_t>(slot)]; }

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t at = 0;
  for (std::size_t hit; (hit = text.find(from, at)) != std::string_view::npos; at = hit + from.size()) {
    out.append(text.substr(at, hit - at));
    out.append(to);
  }
  out.append(text.substr(at));
  return out;
}

// The value as a TOML literal: times, "none" and raw bytes are strings, dates TOML dates.
std::string Literal(const params::PanelParameter& p, const params::Value& value) {
  std::string text = params::FormatValue(p, value);
  const bool bare = params::IsValid(p, value) && p.kind != params::ValueKind::Time && text != "none";
  return bare ? text : '"' + text + '"';
}

const std::unordered_map<std::string, int>& SlotsByKey() {
  static const std::unordered_map<std::string, int> keys = [] {
    std::unordered_map<std::string, int> map;
    for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) map.emplace(SlotKey(slot), slot);
    return map;
  }();
  return keys;
}

// A TOML basic string: quotes, backslashes and control characters escaped.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

// Numbers and dates in their TOML form are values an editor types; a value
// of any other kind comes as a string, checked by ParseValue.
std::optional<params::Value> ValueOf(const params::PanelParameter& p, const toml::node& node) {
  using params::ValueKind;
  std::optional<params::Value> value;
  if (const auto* number = node.as_integer()) {
    const std::int64_t n = number->get();
    const bool numeric = p.kind == ValueKind::Options || p.kind == ValueKind::Number || p.kind == ValueKind::Choice;
    if (numeric && n >= 0 && n <= 0xFFFFFFFF) value = params::Value{static_cast<std::uint32_t>(n), {}};
  } else if (const auto* date = node.as_date()) {
    const toml::date d = date->get();
    if (p.kind == ValueKind::Date && d.year >= 2000 && d.year <= 2099)
      value = params::Value{d.day + 100u * d.month + 10000u * (d.year - 2000u), {}};
  }
  if (value) return params::IsValid(p, *value) ? value : std::nullopt;
  if (const auto* string = node.as_string()) {
    const std::string& s = string->get();
    if (s.starts_with("raw") || p.kind == ValueKind::Time || (p.kind == ValueKind::Date && s == "none"))
      value = params::ParseValue(p, s);
    else if (p.kind == ValueKind::Digits || p.kind == ValueKind::LongDigits || p.kind == ValueKind::Code ||
             p.kind == ValueKind::Phone)
      value = params::ParseValue(p, '"' + s + '"');
  }
  return value;
}

}  // namespace

std::string EntityText(int slot) {
  const Slot& s = SlotAt(slot);
  const std::string_view name = s.parameter->entityName;
  if (name.empty()) return {};
  if (name == "area") return s.entity == 1 ? "area A" : "area B";
  if (name == "start/finish") return s.entity == 1 ? "start" : "finish";
  return std::string(name) + ' ' + std::to_string(s.entity);
}

std::string SlotKey(int slot) {
  const Slot& s = SlotAt(slot);
  const std::string parameter = 'P' + std::to_string(s.parameter->parameter);
  const std::string entity = EntityText(slot);
  return entity.empty() ? parameter + '/' + std::to_string(s.entity) : parameter + ' ' + entity;
}

std::string SlotTitle(int slot) { return ReplaceAll(SlotAt(slot).parameter->path, "|", " > "); }

std::string WritePanelFile(const PanelImage& image) {
  std::string text =
      "# tarnel panel file: every parameter the program-mode editors read, one per line,\n"
      "# in the order of the program-mode menu, with the menu path beside it.\n";
  text += "format = " + std::to_string(kPanelFileFormat) + "\n";
  text += "panel-software = " + Quoted(image.softwareVersion) + "\n\n[parameters]\n";
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) {
    const std::optional<params::Value>& value = image.at(slot);
    if (!value) continue;
    const params::PanelParameter& p = *SlotAt(slot).parameter;
    text += '"' + SlotKey(slot) + "\" = " + Literal(p, *value) + "  # " + SlotTitle(slot);
    if (!params::IsValid(p, *value)) text += "; no editor types this value";
    text += '\n';
  }
  return text;
}

std::variant<PanelImage, FileError> ReadPanelFile(std::string_view text) {
  toml::table root;
  try {
    root = toml::parse(text);
  } catch (const toml::parse_error& error) {
    const int line = static_cast<int>(error.source().begin.line);
    // The parser's own words for this case garble the key.
    if (error.description().find("cannot redefine existing") != std::string_view::npos)
      return FileError{line, "this key is given a second time; a panel file names each parameter once"};
    return FileError{line, std::string(error.description())};
  }

  const toml::node* format = root.get("format");
  if (!format) return FileError{0, "not a panel file: it names no format"};
  // Only an integer node: asking the library for an integer from a float
  // converts without a range check, and 1.0 is no format number.
  const auto* version = format->as_integer();
  if (!version || version->get() != kPanelFileFormat)
    return FileError{LineOf(*format), "format " + (version ? std::to_string(version->get()) : std::string("?")) +
                                          " is not " + std::to_string(kPanelFileFormat) +
                                          ", the one this program reads" +
                                          (format->is_floating_point() ? " (a whole number, without a point)" : "")};

  PanelImage image;
  for (const auto& [key, node] : root) {
    if (key == "format") continue;
    if (key == "panel-software") {
      if (!node.is_string()) return FileError{LineOf(node), "panel-software is not a text"};
      image.softwareVersion = *node.value<std::string>();
      continue;
    }
    if (key != "parameters" || !node.is_table())
      return FileError{LineOf(node), "unknown entry \"" + std::string(key.str()) + "\""};
  }

  if (const toml::table* parameters = root["parameters"].as_table()) {
    for (const auto& [key, node] : *parameters) {
      const auto found = SlotsByKey().find(std::string(key.str()));
      if (found == SlotsByKey().end())
        return FileError{LineOf(node), "unknown parameter \"" + std::string(key.str()) + "\""};
      const params::PanelParameter& p = *SlotAt(found->second).parameter;
      std::optional<params::Value> value = ValueOf(p, node);
      if (!value)
        return FileError{LineOf(node), std::string(key.str()) + " (" + SlotTitle(found->second) + ") must be " +
                                           params::ValueSyntax(p)};
      image.set(found->second, std::move(*value));
    }
  }
  return image;
}

std::string Describe(const FileError& error) {
  return error.line > 0 ? "line " + std::to_string(error.line) + ": " + error.message : error.message;
}

namespace {

// The file's lines, each with its line end, and where [parameters] begins (npos: nowhere).
std::vector<std::string_view> Lines(std::string_view text, std::size_t& parametersAt) {
  std::vector<std::string_view> lines;
  parametersAt = std::string_view::npos;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(at, next - at));
    if (parametersAt == std::string_view::npos && lines.back().starts_with("[parameters]")) parametersAt = lines.size();
    at = next;
  }
  return lines;
}

}  // namespace

FilePair WithoutSharedLines(std::string_view left, std::string_view right) {
  std::size_t leftStart = 0;
  std::size_t rightStart = 0;
  const std::vector<std::string_view> a = Lines(left, leftStart);
  const std::vector<std::string_view> b = Lines(right, rightStart);
  // A file of another shape is left whole: the reader judges it as it is.
  if (leftStart == std::string_view::npos || rightStart == std::string_view::npos) return {std::string(left), std::string(right)};
  const auto withoutEnd = [](std::string_view line) {
    return line.ends_with('\n') ? line.substr(0, line.size() - 1) : line;
  };
  std::unordered_set<std::string_view> inLeft;
  for (std::size_t i = leftStart; i < a.size(); ++i) inLeft.insert(withoutEnd(a[i]));
  std::unordered_set<std::string_view> shared;
  FilePair pair;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i >= rightStart && inLeft.contains(withoutEnd(b[i]))) {
      shared.insert(withoutEnd(b[i]));
      continue;
    }
    pair.right.append(b[i]);
    if (!b[i].ends_with('\n')) pair.right += '\n';
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i >= leftStart && shared.contains(withoutEnd(a[i]))) continue;
    pair.left.append(a[i]);
    if (!a[i].ends_with('\n')) pair.left += '\n';
  }
  return pair;
}

}  // namespace panelfiles
