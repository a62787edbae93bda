#include "tools/lakemaker/lake_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fishing/iso_map.h"
#include "media/errors.h"
#include "media/ini_file.h"
#include "tools/lakemaker/lake_build.h"
#include "tools/lakemaker/lake_overview.h"
#include "tools/lakemaker/lake_source.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLakeNumber = 255;  // the championship opens lakes 1..255

// The catalogue and the lake files take the name as it is: it must survive an ini line.
std::string NameProblem(const std::string& name) {
  if (name.empty()) return "the source's file name gives no lake name";
  if (name == "NA") return "\"NA\" marks a gap in the catalogue and cannot name a lake";
  if (name.front() == ' ' || name.back() == ' ') return "the lake name \"" + name + "\" starts or ends with a blank";
  if (name.find_first_of("=[];\\\r\n") != std::string::npos) {
    return "the lake name \"" + name + "\" holds one of = [ ] ; \\, which the catalogue cannot hold";
  }
  return {};
}

// Where the lake goes in the catalogue of the output folder, when it has one.
std::string CatalogueLine(const std::string& name, const fs::path& outDir) {
  const fs::path catalogue = outDir / "lakes.ini";
  int highest = 0;
  if (fs::is_regular_file(catalogue)) {
    const TIniFile ini(catalogue.string());
    for (int number = 1; number <= kMaxLakeNumber; ++number) {
      const std::string listed = ini.ReadString("Lakes", "lake" + std::to_string(number), "NA");
      if (listed == name) return Fmt("lakes.ini already lists it: lake%d=%s", number, name.c_str());
      if (listed != "NA") highest = number;
    }
  }
  return Fmt("add to lakes.ini, section [Lakes]: lake%d=%s", highest + 1, name.c_str());
}

void WriteTemporary(const fs::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  if (!file) throw EStreamError(Fmt("Cannot create file %s", path.string().c_str()));
}

}  // namespace

TMadeLake MakeLakeFiles(const std::string& sourcePath, const std::string& outDir) {
  TMadeLake made;
  made.name = fs::path(sourcePath).stem().string();
  TSourceProblems problems;
  if (const std::string reason = NameProblem(made.name); !reason.empty()) problems.Add(reason + ".");
  const TLakeSource source = ReadLakeSourceFile(sourcePath, problems);
  const std::unique_ptr<TIsoMap> map = AssembleLakeMap(source);
  if (problems.Empty()) CheckLakeSource(source, *map, problems, made.notes);
  if (!problems.Empty()) {
    throw EDataError(problems.Text(sourcePath + ": ") + Fmt("%s: %d problem%s; no file was written.", sourcePath.c_str(),
                                                            problems.Count(), problems.Count() == 1 ? "" : "s"));
  }

  const std::vector<uint8_t> iso = EncodeIsoMap(*map);
  const std::string files[3][2] = {
      {".iso", std::string(iso.begin(), iso.end())},
      {".ini", LakeRulesIniText(source.rules)},
      {".bmp", EncodeBmp24(DrawLakeOverview(*map, OverviewColoursFor(source.rules.ImageLib)))},
  };
  const fs::path folder(outDir);
  std::error_code error;
  fs::create_directories(folder, error);
  // Every file is complete beside its final name before any takes that name.
  std::vector<fs::path> temporaries;
  try {
    for (const auto& file : files) {
      temporaries.push_back(folder / (made.name + file[0] + ".tmp"));
      WriteTemporary(temporaries.back(), file[1]);
    }
  } catch (const Exception&) {
    for (const fs::path& path : temporaries) fs::remove(path, error);
    throw;
  }
  for (size_t i = 0; i < temporaries.size(); ++i) {
    const fs::path target = folder / (made.name + files[i][0]);
    if (std::rename(temporaries[i].c_str(), target.c_str()) != 0) {
      for (size_t j = i; j < temporaries.size(); ++j) fs::remove(temporaries[j], error);
      throw EStreamError(Fmt("Cannot create file %s", target.string().c_str()));
    }
  }
  made.catalogueLine = CatalogueLine(made.name, folder);
  return made;
}
