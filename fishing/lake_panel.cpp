#include "fishing/lake_panel.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "fishing/lake_catalogue.h"
#include "fishing/main_form.h"
#include "media/bitmap_file.h"

TLakePanel BuildLakePanel(TForm& form, std::function<TPicture()> defaultMap) {
  auto& tarnhook = form.Add<TGroupBox>("tarnhook");
  tarnhook.Caption = "Tarnhook ";
  tarnhook.SetBounds(48, 96, 537, 265);
  tarnhook.Hide();

  auto& lakes = form.Add<TListBox>("lakes", &tarnhook);
  lakes.SetBounds(8, 20, 123, 233);
  auto& lakeinfo = form.Add<TMemo>("lakeinfo", &tarnhook);
  lakeinfo.SetBounds(137, 20, 186, 198);
  lakeinfo.Lines = {"<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<",
                    " Choose a lake from the list on the left",
                    "<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<",
                    "",
                    "As you complete lakes and win prize ",
                    "money, more lakes will be made ",
                    "available.... "};
  auto& map = form.Add<TImage>("map", &tarnhook);
  map.SetBounds(329, 20, 200, 198);
  map.Stretch = true;
  map.SetPicture(std::move(defaultMap));
  auto& showgo = form.Add<TButton>("showgo", &tarnhook);
  showgo.Caption = "Fish This Lake";
  showgo.SetBounds(242, 228, 169, 25);
  showgo.Hide();

  return TLakePanel{tarnhook, lakes, lakeinfo, map, showgo};
}

void TMainForm::FillLakeList() {
  TListBox& lakes = lakePanel.lakes;
  lakes.Clear();
  for (const std::string& name : ReadLakeCatalogues(paths.FindEach(kCatalogueFile), trip->lakesOpen)) lakes.Add(name);
}

void TMainForm::lakesClick() {
  TListBox& lakes = lakePanel.lakes;
  if (lakes.ItemIndex() < 0 || lakes.ItemIndex() >= lakes.Count()) return;
  const std::string name = lakes.Selected();
  const std::string description = ReadLakeFile(paths.Find("lakes\\" + name + ".ini"), *trip);
  lakePanel.lakeinfo.Lines = {description};
  const std::string mapPath = paths.Find("lakes\\" + name + ".bmp");
  std::error_code error;
  if (std::filesystem::is_regular_file(mapPath, error)) lakePanel.map.SetPicture(ReadBitmapFile(mapPath));
  lakePanel.showgo.Show();
}
