#pragma once

// Pictures of the catalogue and of the system store: loading picture files,
// generating placeholder pictures, and writing Windows BMP files.

#include "tools/Generator.h"

#include <QImage>

#include <string>
#include <vector>

// A complete Windows BMP file of Image (bottom-up; 8-bit images with their
// colour table, all others 24-bit).
std::vector<char> EncodeBmp(const QImage& Image);

// Image as an 8-bit picture with a colour table of exactly 256 entries.
QImage ToIndexed256(const QImage& Image);

// A catalogue picture as stored: 8-bit pictures keep their colours (256-entry
// table), all others become 24-bit; transparency is laid on white.
QImage ToCataloguePicture(const QImage& Image);

// Reads a picture file (PNG, BMP, JPEG, GIF ...). Throws TBuildError naming
// File and Line (where the file is named) when it cannot be read.
QImage LoadPictureFile(const std::string& Path, const std::string& ShownPath,
                       const std::string& File, int Line);

// A generated picture ("gen:" value):
//   kind=pattern   width= height= (default 200 x 200), seed=word, hue=0..359:
//                  a quiet placeholder in one hue; 256 colours
//   kind=intro     the 640 x 480 intro picture (staff lines and notes on a
//                  dark ground); hue= shifts its colours
//   kind=wallpaper a seamless 100 x 100 tile, dark and quiet; hue=, seed=
QImage GeneratePicture(const TGeneratorRecipe& Recipe, const std::string& File, int Line);
