// The course of the current game: the credits and the debt after every spin and every loan,
// since New Game or Open, with the bonus wins and the bank's loans marked. Plain C++ only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zandor {

// One moment of the game. Amounts are cents.
struct ChartPoint {
  enum Mark : uint8_t { None = 0, Bonus = 1, Loan = 2, Payback = 4 };
  int64_t Spin = 0;      // spins played in this game (paid and free) up to this moment
  int64_t Credits = 0;   // the credits (with a bet waiting on the lines)
  int64_t Borrowed = 0;  // what is owed to the bank
  uint8_t Marks = None;  // what happened here
  bool operator==(const ChartPoint&) const = default;

  int64_t NetWorth() const { return Credits - Borrowed; }
};

// "spin credits borrowed marks", marks as letters (B bonus, L loan, P payback) or "-".
std::string EncodePoint(const ChartPoint& p);
// Reads a point written by EncodePoint; nullopt for a damaged one.
std::optional<ChartPoint> DecodePoint(const std::string& text);

class GameChart {
 public:
  // The most points kept. Past it the chart keeps only every other moment, then every fourth,
  // and so on, the same spacing from the start to the end; a moment dropped hands its marks to
  // the next one kept. The start and the last moment always stay exact.
  static constexpr size_t MaxPoints = 2000;

  // A new game with these credits and debt.
  void Restart(int64_t credits, int64_t borrowed);
  // Adds the moment after a spin or a loan.
  void Add(const ChartPoint& p);
  // Replaces the chart with one kept earlier: its points (the first is the game's start), the
  // moments between two points and the moments added since the start. False, and the chart
  // unchanged, when they do not belong together.
  bool Restore(std::vector<ChartPoint> points, int64_t stride, int64_t moments);
  const std::vector<ChartPoint>& Points() const { return points_; }
  // Every how many moments a point is kept (1, 2, 4...), and the moments since the start.
  int64_t Stride() const { return stride_; }
  int64_t Moments() const { return moments_; }
  // Counts every change, so a window sees that it must draw again.
  uint64_t Changes() const { return changes_; }

 private:
  void Thin();

  std::vector<ChartPoint> points_{ChartPoint{}};
  int64_t stride_ = 1;
  int64_t moments_ = 0;
  uint64_t changes_ = 0;
};

}  // namespace zandor
