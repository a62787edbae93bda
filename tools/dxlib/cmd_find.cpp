// dxlib find FILE NAME: the index the games' lookup by name gives (the last item of that name).
#include <string>
#include <vector>

#include "tools/dxlib/command.h"
#include "tools/dxlib/library_file.h"
#include "tools/dxlib/text_1252.h"

namespace {

int RunFind(const std::vector<std::string>& args, TCommandOutput& out) {
  RequireArguments(args, 2);
  std::string name;
  if (!Utf8To1252(args[1], name)) throw TUsageError("NAME has characters a library name cannot hold");
  TLoadedLibrary library;
  LoadLibrary(args[0], library);
  const int index = library.Kind == TLibraryKind::Image ? library.Images.Find(name).Index()
                                                         : library.Sounds.Find(name).Index();
  out.Print("%d\n", index);
  return 0;
}

const TCommandRegistrar kFind({"find", "find FILE NAME",
                               "print the index of the item the games find under NAME", "",
                               RunFind});

}  // namespace
