#include "tools/assetgen/bowling_people/lane_geometry.h"

namespace bowling_people {

namespace {

constexpr double kSpan = kEdgeBottomY - kEdgeTopY;
constexpr double kHeadPinFeet = 60;

// A point's distance from the viewer is proportional to 1 / (y - VanishingY()); a distance along
// the lane is therefore linear in that inverse.
double Inverse(double y) { return 1.0 / (y - VanishingY()); }

}  // namespace

double LeftEdgeX(double y) { return kLeftBottomX + (kEdgeBottomY - y) * (kLeftTopX - kLeftBottomX) / kSpan; }
double RightEdgeX(double y) { return kRightBottomX + (kEdgeBottomY - y) * (kRightTopX - kRightBottomX) / kSpan; }
double LaneWidthAt(double y) { return RightEdgeX(y) - LeftEdgeX(y); }
double LaneX(double u, double y) { return LeftEdgeX(y) + u * LaneWidthAt(y); }

double VanishingY() {
  const double bottomWidth = kRightBottomX - kLeftBottomX;
  const double shrinkPerRow = (bottomWidth - (kRightTopX - kLeftTopX)) / kSpan;
  return kEdgeBottomY - bottomWidth / shrinkPerRow;
}

double RowAtFeet(double feet) {
  const double foul = Inverse(kFoulLineY);
  const double head = Inverse(kRack[0].Y);
  return VanishingY() + 1.0 / (foul + (head - foul) * feet / kHeadPinFeet);
}

double FeetAtRow(double y) {
  const double foul = Inverse(kFoulLineY);
  const double head = Inverse(kRack[0].Y);
  return kHeadPinFeet * (Inverse(y) - foul) / (head - foul);
}

}  // namespace bowling_people
