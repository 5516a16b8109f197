#pragma once
// The pictures of the main window's tool buttons, drawn by the program: a folder (load a scheme), a
// disk (save a scheme), a page (save the result), a database (data maintenance), a printer, a chart
// (analysis) and an exit door.
namespace zorvy {

class TCanvas;
class TImageList;

enum TToolImage { tiLoadScheme, tiSaveScheme, tiSaveResult, tiDatabase, tiPrint, tiAnalysis, tiExit, tiCount };

// Size of each picture.
inline constexpr int ToolImageSize = 40;

// Draws one picture onto canvas, in the square of ToolImageSize at its origin.
void DrawToolImage(TCanvas* canvas, TToolImage image);

// Adds the pictures to images in the order of TToolImage (the list is sized to ToolImageSize).
void AddToolImages(TImageList* images);

} // namespace zorvy
