#include "record/GameChart.h"

#include <charconv>
#include <string_view>

namespace zandor {

namespace {

bool ReadWhole(std::string_view& text, int64_t& out) {
  const size_t space = text.find(' ');
  const std::string_view word = text.substr(0, space);
  auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
  if (ec != std::errc() || p != word.data() + word.size() || word.empty()) return false;
  text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  return true;
}

}  // namespace

std::string EncodePoint(const ChartPoint& p) {
  std::string marks;
  if (p.Marks & ChartPoint::Bonus) marks += 'B';
  if (p.Marks & ChartPoint::Loan) marks += 'L';
  if (p.Marks & ChartPoint::Payback) marks += 'P';
  if (marks.empty()) marks = "-";
  return std::to_string(p.Spin) + ' ' + std::to_string(p.Credits) + ' ' +
         std::to_string(p.Borrowed) + ' ' + marks;
}

std::optional<ChartPoint> DecodePoint(const std::string& line) {
  std::string_view text = line;
  ChartPoint p;
  if (!ReadWhole(text, p.Spin) || !ReadWhole(text, p.Credits) || !ReadWhole(text, p.Borrowed))
    return std::nullopt;
  if (p.Spin < 0 || text.empty()) return std::nullopt;
  if (text != "-") {
    for (char c : text) {
      const uint8_t mark = c == 'B'   ? ChartPoint::Bonus
                           : c == 'L' ? ChartPoint::Loan
                           : c == 'P' ? ChartPoint::Payback
                                      : 0;
      if (mark == 0 || (p.Marks & mark)) return std::nullopt;
      p.Marks |= mark;
    }
  }
  return p;
}

void GameChart::Restart(int64_t credits, int64_t borrowed) {
  points_.assign(1, ChartPoint{0, credits, borrowed, ChartPoint::None});
  stride_ = 1;
  moments_ = 0;
  ++changes_;
}

void GameChart::Add(const ChartPoint& p) {
  // The last point stands for the latest moment even between two kept ones: the next moment
  // takes its place until one falls on the spacing.
  if (points_.size() > 1 && moments_ % stride_ != 0) {
    const uint8_t marks = points_.back().Marks;
    points_.back() = p;
    points_.back().Marks |= marks;
  } else {
    points_.push_back(p);
  }
  ++moments_;
  if (points_.size() > MaxPoints) Thin();
  ++changes_;
}

bool GameChart::Restore(std::vector<ChartPoint> points, int64_t stride, int64_t moments) {
  if (points.empty() || points.size() > MaxPoints || stride < 1 || (stride & (stride - 1)) ||
      moments < 0 || moments > INT64_MAX - stride)
    return false;
  // One point per whole stride of moments, and one more for a moment between them.
  const int64_t expected = moments / stride + (moments % stride != 0 ? 1 : 0);
  if (static_cast<int64_t>(points.size()) - 1 != expected) return false;
  points_ = std::move(points);
  stride_ = stride;
  moments_ = moments;
  ++changes_;
  return true;
}

void GameChart::Thin() {
  // Point i stands for moment i * stride; the odd ones go, handing their marks on.
  stride_ *= 2;
  size_t out = 1;
  uint8_t carried = ChartPoint::None;
  for (size_t i = 1; i < points_.size(); ++i) {
    if (i % 2 == 1 && i + 1 < points_.size()) {
      carried |= points_[i].Marks;
      continue;
    }
    points_[out] = points_[i];
    points_[out++].Marks |= carried;
    carried = ChartPoint::None;
  }
  points_.resize(out);
}

}  // namespace zandor
