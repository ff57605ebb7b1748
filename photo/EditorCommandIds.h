#pragma once

// Command ids of the photo editor: the drawing tools of the control box and the commands of its
// menus and toolbar.
namespace EditorCommand {
// Tools
constexpr int kSelect = 32948;
constexpr int kArea = 32949;
constexpr int kBox = 32950;
constexpr int kPolygon = 32952;
constexpr int kEllipse = 32953;
constexpr int kLine = 32955;
constexpr int kText = 32956;
constexpr int kShade = 32959;
constexpr int kFreeLine = 32960;
// Shape menu
constexpr int kDelete = 32969;
constexpr int kFlipLeftRight = 32972;
constexpr int kFlipTopBottom = 32973;
constexpr int kRotateRight = 32974;
constexpr int kRotateLeft = 32975;
constexpr int kBringForward = 32986;
constexpr int kSendBackward = 32987;
constexpr int kPreviousShape = 33002;
constexpr int kNextShape = 33003;
constexpr int kDuplicate = 33004;
constexpr int kBringToFront = 33005;
constexpr int kSendToBack = 33006;
constexpr int kGroup = 33007;
constexpr int kUngroup = 33008;
// View menu
constexpr int kZoomIn = 32976;
constexpr int kZoomOut = 32977;
constexpr int kFitHeight = 32979;
constexpr int kFitWidth = 32980;
constexpr int kActualSize = 32981;
constexpr int kProperties = 32982;
constexpr int kControlBox = 32985;
constexpr int kFitWindow = 33009;
} // namespace EditorCommand
