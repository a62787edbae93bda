// dxlib check bowling DIR: looks through a bowling program folder the way the program will use it
// and reports, in plain words and one per line, everything that would stop the program or show up
// wrong in play: missing or unreadable files, pictures the program draws that are missing or have
// too few patterns, sounds that are missing, cannot be played or do not loop where they must,
// bowler and alley folders with files missing, LED shows without frames or with frames too small
// for the sign, and a missing default bowler or alley.
// Lines starting with "Note:" tell of something the program allows but a data maker may not
// intend; they do not count as problems. Exit status 1 when there is any problem.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "media/bitmap_file.h"
#include "media/errors.h"
#include "media/folder_listing.h"
#include "media/mixer.h"
#include "media/pixel_format.h"
#include "media/picture_collection.h"
#include "media/program_paths.h"
#include "media/wave_collection.h"
#include "tools/dxlib/command.h"
#include "tools/dxlib/folder_check.h"

namespace {

namespace fs = std::filesystem;

// How the program positions a picture, where that depends on the pattern size as set.
enum class TSizeRule {
  Any,
  CoversScreen,         // 640 x 480 at (0, 0); its keyed pixels would show what the frame before left
  StepsByPatternWidth,  // a font: each glyph is drawn PatternWidth to the right of the last
  PlacedByPatternSize,  // drawn at (x - PatternWidth / 2, y - PatternHeight) of its base point
};

struct TPictureNeed {
  const char* name;
  int patterns;     // the most the program asks for; 0 = the picture is only read, never drawn
  const char* use;  // what the program does with it, for the report
  TSizeRule rule = TSizeRule::Any;
  const char* fewer = nullptr;  // what too few patterns mean, when the program still runs
};

const TPictureNeed kGraphics[] = {
    {"logo", 1, "the background of the full-screen LED shows", TSizeRule::CoversScreen},
    {"ledholder", 1, "the sign's housing for the LED shows during play"},
    {"led", 2, "the sign's lamp: pattern 0 dark, pattern 1 lit"},
    {"help", 1, "the help screen", TSizeRule::CoversScreen},
    {"helpbutton", 1, "the help button"},
    {"mouse", 1, "the pointer"},
    {"think", 1, "the pointer while the computer bowls"},
    {"display", 1, "the score panel"},
    {"lite", 1, "a pin light on the score panel"},
    {"power", 128, "the meter, one pattern for each value 0..127"},
    {"player1", 1, "the score sheet's label of player 1"},
    {"player2", 1, "the score sheet's label of player 2"},
    {"scoretrans", 10, "the frame boxes: 0..2 for frames 1..9, 3..9 for the tenth"},
    {"numbers", 10, "the score digits 0..9", TSizeRule::StepsByPatternWidth},
    {"bigfont", 41, "the banner font: A..Z, the blank and the digits are patterns 0..40",
     TSizeRule::StepsByPatternWidth},
};

// A reaction plays at half the tick rate and an LED show may follow only once it has run more than
// 30 ticks, so a reaction needs more than 16 patterns for a show to follow it.
constexpr int kReactionPatterns = 17;
constexpr const char* kReactionFewer = "the program plays it, but no LED show can follow a reaction of 16 patterns or "
                                       "fewer (a show starts only once a reaction has run more than 30 ticks)";

const TPictureNeed kBowlerPictures[] = {
    {"char", 1, "the bowler: standing, the approach, the follow-through"},
    {"charshadow", 1, "the bowler's shadow"},
    {"ball", 48, "the rolling ball: patterns 0..31 plus 0, 8 or 16 for the hook"},
    {"ballshadow", 1, "the ball's shadow"},
    {"strike", kReactionPatterns, "the reaction to a strike", TSizeRule::Any, kReactionFewer},
    {"gutter", kReactionPatterns, "the reaction to a gutter ball", TSizeRule::Any, kReactionFewer},
    {"info", 0, "the release and shadow offsets; without it every turn of this bowler stops"},
};

const TPictureNeed kAlleyPictures[] = {
    {"alley", 1, "the hall and the lane, drawn first on every frame", TSizeRule::CoversScreen},
    {"pin", 192, "12 rows of 16 fall pictures", TSizeRule::PlacedByPatternSize},
    {"pinshadow", 192, "the pins' shadows, patterns as for \"pin\"", TSizeRule::PlacedByPatternSize},
    {"under", 1, "the pin deck layer"},
    {"over", 1, "the masking unit over the pit"},
};

struct TSoundNeed {
  const char* name;
  bool looped;
  const char* use;
};

const TSoundNeed kEffects[] = {
    {"hit", false, "a big pin crash and the menu's confirm click"},
    {"single", false, "a single pin's knock, the menu's small click and each meter press"},
    {"drop", false, "the ball landing on the lane or dropping into a gutter"},
    {"roll", true, "the ball's rumble until it reaches the pins"},
    {"spare", false, "a medium pin crash"},
};
const TSoundNeed kMusic[] = {{"music", true, "the menu tune"}};
const TSoundNeed kSpeech[] = {{"strike", false, "the cheer after a strike"},
                              {"gutter", false, "the groan after a gutter ball"}};
const TSoundNeed kNoise[] = {{"noise", true, "the hall's ambience through the whole match"}};

// The LED shows; full-screen shows loop every frame, in-play shows never show frame 0.
struct TShow {
  const char* name;
  bool inPlay;
};

const TShow kShows[] = {
    {"intro", false},   {"credits", false}, {"gameover", false}, {"wingame", false}, {"winall", false},
    {"strike1", true},  {"strike2", true},  {"strike3", true},   {"spare1", true},   {"spare2", true},
    {"spare3", true},   {"gutter1", true},  {"gutter2", true},   {"gutter3", true},
};

constexpr int kScreenWidth = 640, kScreenHeight = 480;
constexpr int kSignColumns = 81;
constexpr int kSignRows = 30;
constexpr int kPoseWidth = 100, kPoseHeight = 180;
constexpr int kPostcardWidth = 240, kPostcardHeight = 182;
constexpr int32_t kMaxReleaseOffset = 240;  // either way, x and y alike

// Names as the program compares them: a..z upper-cased, every other byte kept.
std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return text;
}

bool IsBumperAlley(const std::string& name) { return Upper(name).find("BUMPER") != std::string::npos; }

const char* Plural(int count) { return count == 1 ? "" : "s"; }

// The pixels of pattern 0 that the colour key hides, compared as on the 16-bit screen.
int KeyedPixels(const TPictureCollectionItem& item) {
  if (!item.Transparent || item.TransparentColor() == clNone) return 0;
  const uint16_t key = PackColor(item.TransparentColor(), TPixelFormat::RGB565);
  const TRect r = item.PatternRect(0);
  const TPicture& picture = item.Picture();
  int keyed = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) keyed += PackPicturePixel(picture.At(x, y), TPixelFormat::RGB565) == key;
  }
  return keyed;
}

// One folder of bowlers or alleys as the program lists it.
struct TListing {
  std::vector<std::string> entries;  // in the program's order
  std::vector<std::string> folders;  // the entries that are folders, in the same order
};

class TBowlingChecker : TFolderCheck {
 public:
  TBowlingChecker(const std::string& folder, TCommandOutput& out) : TFolderCheck(folder, out) {}

  int Run() {
    CheckProgramLibraries();
    const TListing bowlers = List("bowlers");
    for (const std::string& name : bowlers.folders) CheckBowler(name);
    const TListing alleys = List("alleys");
    for (const std::string& name : alleys.folders) CheckAlley(name);
    CheckShows();
    CheckDefault(bowlers, "bowlers", "bowler", "Vekt");
    CheckDefault(alleys, "alleys", "alley", "Tradtional");
    CheckTournamentDraw(alleys);
    const int bumpers = static_cast<int>(std::count_if(alleys.folders.begin(), alleys.folders.end(), IsBumperAlley));
    return Finish(Fmt("everything the program needs is there (%zu bowlers, %zu alleys of which %d with bumpers, "
                      "%zu LED shows checked)",
                      bowlers.folders.size(), alleys.folders.size(), bumpers, std::size(kShows)));
  }

 private:
  void CheckProgramLibraries() {
    if (auto graphics = Load<TPictureCollection>("graphics.dxg")) CheckPictures(*graphics, "graphics.dxg", kGraphics);
    if (auto sounds = Load<TWaveCollection>("sound.dxw")) CheckSounds(*sounds, "sound.dxw", kEffects);
    if (auto music = Load<TWaveCollection>("music.dxw")) CheckSounds(*music, "music.dxw", kMusic);
  }

  template <size_t N>
  void CheckPictures(TPictureCollection& library, const std::string& file, const TPictureNeed (&needs)[N]) {
    for (const TPictureNeed& need : needs) CheckPicture(library, file, need);
  }

  void CheckPicture(TPictureCollection& library, const std::string& file, const TPictureNeed& need) {
    const char* f = file.c_str();
    const int index = library.IndexOf(need.name);
    if (index < 0) {
      Problem(Fmt("%s has no picture \"%s\" (%s).", f, need.name, need.use));
      return;
    }
    const TPictureCollectionItem& item = library.Items(index);
    const int total = item.PatternTotal();
    if (total < need.patterns) {
      if (need.fewer) {
        Problem(Fmt("%s: \"%s\" has %d pattern%s, fewer than %d: %s.", f, need.name, total, Plural(total),
                    need.patterns, need.fewer));
      } else {
        Problem(Fmt("%s: \"%s\" has %d pattern%s, but the program asks for up to %d (%s).", f, need.name, total,
                    Plural(total), need.patterns, need.use));
      }
    }
    if (need.rule == TSizeRule::CoversScreen && total > 0) CheckCoversScreen(item, f, need);
    if (need.rule == TSizeRule::StepsByPatternWidth && item.PatternWidth <= 0) {
      Problem(Fmt("%s: \"%s\" has no pattern width set; the program steps from glyph to glyph by it, so every "
                  "glyph would land on the same spot.",
                  f, need.name));
    }
    if (need.rule == TSizeRule::PlacedByPatternSize && (item.PatternWidth <= 0 || item.PatternHeight <= 0)) {
      Problem(Fmt("%s: \"%s\" needs its pattern width and height set; the program places each pin by them "
                  "(half the width left of its base point, the height above it).",
                  f, need.name));
    }
  }

  void CheckCoversScreen(const TPictureCollectionItem& item, const char* f, const TPictureNeed& need) {
    if (item.Width() != kScreenWidth || item.Height() != kScreenHeight) {
      Problem(Fmt("%s: \"%s\" is %d x %d; it must be %d x %d (%s).", f, need.name, item.Width(), item.Height(),
                  kScreenWidth, kScreenHeight, need.use));
    }
    const int keyed = KeyedPixels(item);
    if (keyed > 0) {
      Problem(Fmt("%s: %d pixel%s of \"%s\" match%s its colour key, so %s shows what the frame before left "
                  "there; set transparent = 0 for it.",
                  f, keyed, Plural(keyed), need.name, keyed == 1 ? "es" : "", keyed == 1 ? "it" : "each"));
    }
  }

  template <size_t N>
  void CheckSounds(TWaveCollection& library, const std::string& file, const TSoundNeed (&needs)[N]) {
    const char* f = file.c_str();
    for (const TSoundNeed& need : needs) {
      const int index = library.IndexOf(need.name);
      if (index < 0) {
        Problem(Fmt("%s has no sound \"%s\" (%s); the game goes on without it and says so once on standard "
                    "error.",
                    f, need.name, need.use));
        continue;
      }
      const TWaveCollectionItem& item = library.Items(index);
      if (item.Wave().Empty()) {
        Problem(Fmt("%s: \"%s\" holds no sound, so %s would be silent.", f, need.name, need.use));
      }
      if (need.looped && !item.Looped()) {
        Problem(Fmt("%s: \"%s\" must be looped (%s): the program starts it once and stops it when done.", f,
                    need.name, need.use));
      }
    }
    // The program prepares every sound of a library it loads, needed or not, and one it cannot play
    // stops the load.
    for (int i = 0; i < library.Count(); ++i) {
      const TWave& wave = library.Items(i).Wave();
      if (wave.Empty() || DecodeWave(wave)) continue;
      Problem(Fmt("%s: \"%s\" cannot be played (format %u, %u channel%s, %u bits, %u Hz; the program plays PCM "
                  "waves of 8 or 16 bits, mono or stereo, 100..200000 Hz): loading %s would stop with \"Sound "
                  "Buffer cannot be made\".",
                  f, library.Items(i).Name().c_str(), wave.FormatTag(), wave.Channels(),
                  Plural(wave.Channels()), wave.BitsPerSample(), wave.SamplesPerSecond(), f));
    }
  }

  // Reads a BMP file the program shows on a menu page; the picture, or nothing after a report.
  std::unique_ptr<TPicture> ReadPicture(const std::string& relative) {
    const std::string path = Existing(relative);
    if (path.empty()) return nullptr;
    try {
      return std::make_unique<TPicture>(ReadBitmapFile(path));
    } catch (const Exception& e) {
      Problem(Fmt("%s cannot be read: %s", relative.c_str(), e.Message().c_str()));
      return nullptr;
    }
  }

  // Lists a folder with the program's own search: every file and folder not starting with ".".
  TListing List(const std::string& name) {
    TListing listing;
    const std::string path = paths_.Find(name);
    std::error_code error;
    if (!fs::is_directory(path, error)) {
      Problem(Fmt("%s/ is missing, so the program has no %s to offer.", name.c_str(), name.c_str()));
      return listing;
    }
    listing.entries = FindEntries(paths_.Folder() + name + "\\*.*", faDirectory);
    for (const std::string& entry : listing.entries) {
      if (fs::is_directory(fs::path(path) / entry, error)) {
        listing.folders.push_back(entry);
      } else {
        Problem(Fmt("%s/%s is not a folder, but the program lists every file and folder in %s/ as one of its "
                    "%s; move it elsewhere.",
                    name.c_str(), entry.c_str(), name.c_str(), name.c_str()));
      }
    }
    if (listing.folders.empty()) {
      Problem(Fmt("%s/ holds no folder, so the program has no %s to offer.", name.c_str(), name.c_str()));
    }
    return listing;
  }

  void CheckBowler(const std::string& name) {
    const std::string folder = "bowlers/" + name + "/";
    if (auto anis = Load<TPictureCollection>(folder + "anis.dxg")) {
      CheckPictures(*anis, folder + "anis.dxg", kBowlerPictures);
      if (const int info = anis->IndexOf("info"); info >= 0) CheckReleaseOffsets(anis->Items(info), folder);
    }
    if (auto speech = Load<TWaveCollection>(folder + "speech.dxw")) CheckSounds(*speech, folder + "speech.dxw", kSpeech);
    // The page centres the portrait in a 100 x 180 frame: a larger one is cut off, a smaller one
    // leaves a margin. Allowed, but worth a note.
    const auto pose = ReadPicture(folder + "pose.bmp");
    if (pose && (pose->Width != kPoseWidth || pose->Height != kPoseHeight)) {
      Note(Fmt("%spose.bmp is %d x %d; the bowler page centres portraits in a %d x %d frame, cutting off what "
               "lies beyond it.",
               folder.c_str(), pose->Width, pose->Height, kPoseWidth, kPoseHeight));
    }
  }

  // Play takes release offsets beyond the limit as the limit, so the ball always starts where it can
  // finish its roll.
  void CheckReleaseOffsets(const TPictureCollectionItem& info, const std::string& folder) {
    const std::pair<const char*, int32_t> offsets[] = {{"x (skip width)", info.SkipWidth},
                                                       {"y (skip height)", info.SkipHeight}};
    for (const auto& [axis, offset] : offsets) {
      if (offset >= -kMaxReleaseOffset && offset <= kMaxReleaseOffset) continue;
      Note(Fmt("%sanis.dxg: \"info\" has a release offset %s of %d; the game takes offsets beyond -%d..%d as the "
               "nearer limit, here %d.",
               folder.c_str(), axis, offset, kMaxReleaseOffset, kMaxReleaseOffset,
               offset < 0 ? -kMaxReleaseOffset : kMaxReleaseOffset));
    }
  }

  void CheckAlley(const std::string& name) {
    const std::string folder = "alleys/" + name + "/";
    if (auto anis = Load<TPictureCollection>(folder + "anis.dxg")) {
      CheckPictures(*anis, folder + "anis.dxg", kAlleyPictures);
      const int over = anis->IndexOf("over");
      if (over >= 0 && anis->Items(over).SkipHeight != 0) {
        Note(Fmt("%sanis.dxg: \"over\" has a skip height of %d, which switches the pit overlay off: the "
                 "program draws neither \"over\" nor the ball in the pit, and does not darken the pit.",
                 folder.c_str(), anis->Items(over).SkipHeight));
      }
    }
    if (auto noise = Load<TWaveCollection>(folder + "noise.dxw")) CheckSounds(*noise, folder + "noise.dxw", kNoise);
    // The alley page has room for 240 x 182 beside its arrows and squeezes a larger postcard into that.
    const auto postcard = ReadPicture(folder + "postcard.bmp");
    if (postcard && (postcard->Width > kPostcardWidth || postcard->Height > kPostcardHeight)) {
      Note(Fmt("%spostcard.bmp is %d x %d; the alley page has room for %d x %d and squeezes a larger picture "
               "into that.",
               folder.c_str(), postcard->Width, postcard->Height, kPostcardWidth, kPostcardHeight));
    }
  }

  void CheckShows() {
    std::error_code error;
    if (!fs::is_directory(paths_.Find("leds"), error)) {
      Problem(Fmt("leds/ is missing, so the program has none of its %zu LED shows.", std::size(kShows)));
      return;
    }
    for (const TShow& show : kShows) CheckShow(show);
  }

  void CheckShow(const TShow& show) {
    const std::string file = std::string("leds/") + show.name + ".led";
    const char* f = file.c_str();
    const auto frames = Load<TPictureCollection>(file);
    if (!frames) return;
    const int count = frames->Count();
    if (count == 0) {
      Problem(Fmt("%s has no frames; every show needs at least one%s.", f, show.inPlay ? " (two in play)" : ""));
      return;
    }
    if (show.inPlay && count == 1) {
      Problem(Fmt("%s has only frame 0, which a show during play never shows: it would end without lighting a "
                  "lamp. Keep frame 0 blank and add the frames to show after it.",
                  f));
    }
    // Frame 0 of a show during play is never shown, so its size does not matter.
    int small = 0;
    int first = -1;
    for (int i = show.inPlay ? 1 : 0; i < count; ++i) {
      const TPictureCollectionItem& frame = frames->Items(i);
      if (frame.PatternTotal() > 0 && frame.Width() >= kSignColumns && frame.Height() >= kSignRows) continue;
      if (small++ == 0) first = i;
    }
    if (small > 0) {
      const TPictureCollectionItem& frame = frames->Items(first);
      const std::string size =
          frame.PatternTotal() > 0 ? Fmt("%d x %d", frame.Width(), frame.Height()) : std::string("empty");
      if (small == 1) {
        Problem(Fmt("%s: frame %d is %s, smaller than the sign's %d x %d lamps; the lamps beyond it stay dark.", f,
                    first, size.c_str(), kSignColumns, kSignRows));
      } else {
        Problem(Fmt("%s: %d frames are smaller than the sign's %d x %d lamps (the first is frame %d, %s); the lamps "
                    "beyond a frame stay dark.",
                    f, small, kSignColumns, kSignRows, first, size.c_str()));
      }
    }
  }

  // Start-up selects the last entry named like the default (letter case ignored), else the first one
  // listed. The program runs without its default, but the shipped folder has it and data made for the
  // program keeps it, so a missing default counts as a problem.
  void CheckDefault(const TListing& listing, const char* folder, const char* kind, const std::string& name) {
    if (listing.entries.empty()) return;
    const std::string wanted = Upper(name);
    for (const std::string& entry : listing.entries) {
      if (Upper(entry) == wanted) return;
    }
    Problem(Fmt("%s/ has no %s named \"%s\" (letter case ignored), the program's default %s: without it the "
                "program starts on the first %s listed (\"%s\"). Counted as a problem: the shipped data has it.",
                folder, kind, name.c_str(), kind, kind, listing.entries.front().c_str()));
  }

  // The tournament draws each game's alley at random from the alley list, passing over bumper alleys
  // and the previous game's alley. When no other alley without bumpers is left it takes one without
  // bumpers again, and only when every alley has bumpers does it draw from all of them.
  void CheckTournamentDraw(const TListing& alleys) {
    const size_t listed = alleys.entries.size();
    std::vector<std::string> plain;
    for (const std::string& name : alleys.folders) {
      if (!IsBumperAlley(name)) plain.push_back("\"" + name + "\"");
    }
    if (listed == 1) {
      Note("there is one alley only; every tournament game is played on it.");
    } else if (listed >= 2 && plain.size() == 1) {
      Note(Fmt("alleys/ has only one alley (%s) without \"bumper\" in its name; the tournament's draw passes over "
               "bumper alleys, so every tournament game is played on it.",
               plain[0].c_str()));
    } else if (listed >= 2 && plain.empty() && !alleys.folders.empty()) {
      Note("every alley in alleys/ has \"bumper\" in its name; the tournament draws each game's alley from all of "
           "them, so a game may be played on the previous game's alley.");
    }
  }

};

}  // namespace

int CheckBowlingFolder(const std::string& folder, TCommandOutput& out) { return TBowlingChecker(folder, out).Run(); }
