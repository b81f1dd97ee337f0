#include "settings/port_keys.h"

#include <optional>

#include "settings/locale_number.h"
#include "settings/settings_values.h"

namespace wl {

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::optional<bool> Boolean(std::string_view text) {
  text = Trimmed(text);
  if (EqualsNoCase(text, "True")) return true;
  if (EqualsNoCase(text, "False")) return false;
  double v;
  if (ReadLocaleNumber(text, v)) return v != 0;
  return std::nullopt;
}

// Reads the boxes in table order; the first one refused ends the reading.
class PortReader {
 public:
  explicit PortReader(const PortTexts& texts) : texts_(texts) {}

  template <class T>
  void Whole(size_t row, int32_t lo, int32_t hi, T& out) {
    int32_t v = 0;
    if (Pending() && !ReadLocaleWhole(texts_[row], lo, hi, v))
      Refuse(row, "is not a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    out = static_cast<T>(v);
  }
  void Flag(size_t row, bool& out) {
    const std::optional<bool> v = Boolean(texts_[row]);
    if (Pending() && !v) Refuse(row, "is neither True nor False");
    out = v.value_or(false);
  }
  // Only the first character counts: "2 - comRTS" is 2.
  void FirstDigit(size_t row, char most, int32_t& out) {
    const std::string& t = texts_[row];
    if (Pending() && (t.empty() || t[0] < '0' || t[0] > most))
      Refuse(row, std::string("must begin with a digit from 0 to ") + most);
    out = t.empty() ? 0 : t[0] - '0';
  }
  void Refuse(size_t row, const std::string& why) {
    if (!Pending()) return;
    std::string label = kPortRows[row].label;
    label.resize(label.size() - 2);  // without ": "
    error_ = label + ": \"" + texts_[row] + "\" " + why;
  }
  bool Pending() const { return error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  const PortTexts& texts_;
  std::string error_;
};

enum Row : size_t {
  kCommPort, kDTREnable, kHandshaking, kInBufferSize, kInputLen, kInputMode, kNullDiscard, kOutBufferSize,
  kParityReplace, kRThreshold, kRTSEnable, kSettings, kSThreshold
};

}  // namespace

PortTexts PortValueTexts(const std::string& commPort, const PortProperties& p) {
  return {commPort,
          BoolText(p.DTREnable),
          std::to_string(p.Handshaking),
          std::to_string(p.InBufferSize),
          std::to_string(p.InputLen),
          InputModeText(std::to_string(p.InputMode)),
          BoolText(p.NullDiscard),
          std::to_string(p.OutBufferSize),
          p.ParityReplace,
          std::to_string(p.RThreshold),
          BoolText(p.RTSEnable),
          p.Settings,
          std::to_string(p.SThreshold)};
}

bool PortValuesFromTexts(const PortTexts& texts, std::string& commPort, PortProperties& out, std::string& error) {
  PortReader read(texts);
  PortProperties p;
  const std::string_view port = Trimmed(texts[kCommPort]);
  if (port.empty()) read.Refuse(kCommPort, "names no port");
  if (IsPortNumber(port)) read.Whole(kCommPort, 1, 32767, p.CommPort);
  read.Flag(kDTREnable, p.DTREnable);
  read.FirstDigit(kHandshaking, '3', p.Handshaking);
  read.Whole(kInBufferSize, 1, 32767, p.InBufferSize);
  read.Whole(kInputLen, 0, 32767, p.InputLen);
  read.FirstDigit(kInputMode, '1', p.InputMode);
  read.Flag(kNullDiscard, p.NullDiscard);
  read.Whole(kOutBufferSize, 1, 32767, p.OutBufferSize);
  p.ParityReplace = texts[kParityReplace];
  read.Whole(kRThreshold, 0, 32767, p.RThreshold);
  read.Flag(kRTSEnable, p.RTSEnable);
  LineSettings line;
  std::string lineError;
  // Without the parser's own "line settings ...: " in front of the reason.
  if (!ParseLineSettings(texts[kSettings], line, lineError))
    read.Refuse(kSettings, lineError.substr(lineError.rfind(": ") + 2));
  p.Settings = texts[kSettings];
  read.Whole(kSThreshold, 0, 32767, p.SThreshold);
  if (!read.Pending()) {
    error = read.Error();
    return false;
  }
  commPort = port;
  out = p;
  return true;
}

std::string InputModeText(std::string_view typed) {
  if (typed.size() != 1) return std::string(typed);
  switch (typed[0]) {
    case '0': case 'T': case 't': return "0 - Text Mode";
    case '1': case 'B': case 'b': return "1 - Binary Mode";
    default: return std::string(typed);
  }
}

bool IsPortNumber(std::string_view commPort) {
  commPort = Trimmed(commPort);
  return !commPort.empty() && commPort.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace wl
