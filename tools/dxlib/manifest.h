// The manifest that `dxlib pack` builds a library from: plain text, one setting per line.
//
//   # a comment (also ';')
//   kind = image                  image or sound; before the first [item]
//   [item]                        starts the next item; items keep their order
//   name = fish                   UTF-8; stored as Windows-1252
//   source = pictures/fish.png    relative to the manifest's folder: .png or .bmp for images,
//                                 .wav for sounds; no source = an empty picture or wave
//   patternWidth = 32             image items: patternWidth, patternHeight, skipWidth, skipHeight
//   transparent = 1               (whole numbers), transparent, systemMemory (1/0, true/false),
//   transparentColor = clFuchsia  transparentColor (a number such as 0xFF00FF = 0x00BBGGRR, or an
//                                 identifier such as clFuchsia)
//   looped = 1                    sound items: looped (1/0), maxPlayingCount (whole number)
//
// Keys are compared without regard to letter case. A mistake raises EDataError "FILE:LINE: reason".
#pragma once

#include <string>
#include <vector>

#include "media/library_writer.h"

struct TManifest {
  bool Sound = false;
  std::vector<TPictureItemData> Images;
  std::vector<TWaveItemData> Sounds;
};

// Reads the manifest and every source file it names.
TManifest ReadManifest(const std::string& path);
