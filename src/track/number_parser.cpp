#include "track/number_parser.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace wl {
namespace {

// Collects the accepted characters of a number; stays on the stack for every realistic field and
// spills to the heap only for absurdly long digit strings, which must still round correctly.
class NumberBuffer {
 public:
  void Push(char c) {
    if (heap_.empty() && size_ < kInline) {
      inline_[size_++] = c;
      return;
    }
    if (heap_.empty()) heap_.assign(inline_, size_);
    heap_.push_back(c);
    ++size_;
  }
  void Truncate(size_t size) {
    size_ = size;
    if (!heap_.empty()) heap_.resize(size);
  }
  size_t size() const { return size_; }
  const char* data() const { return heap_.empty() ? inline_ : heap_.data(); }

 private:
  static constexpr size_t kInline = 96;
  char inline_[kInline];
  size_t size_ = 0;
  std::string heap_;
};

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text while skipping blanks, tabs and line feeds wherever they are.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Next() {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

bool ParseLeadingNumber(std::string_view text, double& value) {
  value = 0;
  Cursor cur(text);
  NumberBuffer buf;
  bool negative = false;
  if (cur.Peek() == '+' || cur.Peek() == '-') {
    negative = cur.Peek() == '-';
    if (negative) buf.Push('-');
    cur.Next();
  }

  // The order of magnitude relative to the decimal point tells overflow from underflow when
  // the converter reports a result out of range.
  int64_t magnitude = 0;
  bool seenNonZero = false;
  bool anyDigit = false;
  while (IsDigit(cur.Peek())) {
    char c = cur.Peek();
    seenNonZero = seenNonZero || c != '0';
    if (seenNonZero) ++magnitude;
    buf.Push(c);
    anyDigit = true;
    cur.Next();
  }
  if (cur.Peek() == '.') {
    buf.Push('.');
    cur.Next();
    while (IsDigit(cur.Peek())) {
      char c = cur.Peek();
      if (!seenNonZero && c == '0') --magnitude;
      seenNonZero = seenNonZero || c != '0';
      buf.Push(c);
      anyDigit = true;
      cur.Next();
    }
  }
  if (!anyDigit) return false;

  // An exponent counts only when digits follow it; otherwise the number ends before the letter.
  char e = cur.Peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    size_t mark = buf.size();
    buf.Push('e');
    cur.Next();
    int64_t exponent = 0;
    bool expNegative = false;
    if (cur.Peek() == '+' || cur.Peek() == '-') {
      expNegative = cur.Peek() == '-';
      if (expNegative) buf.Push('-');
      cur.Next();
    }
    bool expDigits = false;
    while (IsDigit(cur.Peek())) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (cur.Peek() - '0');
      buf.Push(cur.Peek());
      expDigits = true;
      cur.Next();
    }
    if (expDigits) {
      magnitude += expNegative ? -exponent : exponent;
    } else {
      buf.Truncate(mark);
    }
  }

  auto [ptr, ec] = std::from_chars(buf.data(), buf.data() + buf.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    double size = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    value = negative ? -size : size;
  }
  return true;
}

double ParseNumber(std::string_view text) {
  double value;
  ParseLeadingNumber(text, value);
  return value;
}

}  // namespace wl
