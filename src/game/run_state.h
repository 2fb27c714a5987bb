#pragma once

#include <QImage>
#include <QStringList>

#include <filesystem>
#include <string>

#include "engine/board.h"
#include "engine/novlet_engine.h"
#include "game/game_state.h"
#include "render/display_set.h"
#include "store/data_paths.h"
#include "store/options_record.h"
#include "store/puzzle_record.h"

namespace novlet {

// Where the program finds its files.
struct TProgramFolders {
  // The folder of the program file.
  std::filesystem::path ProgramFolder;
  // novlet.dat, novlet.ini and novlet.bak: ProgramFolder when writable, else
  // the user's data folder, NOVLET_HOME above both.
  TDataPaths Data;
  // The read-only resources: Novlet.lng, "Display Sets/" and the skin
  // override folder "I/". ProgramFolder in a build tree or a portable copy,
  // the installed share folder otherwise.
  std::filesystem::path ResourceFolder;

  std::filesystem::path LanguageFile() const { return ResourceFolder / "Novlet.lng"; }
  std::filesystem::path DisplaySetsFolder() const { return ResourceFolder / "Display Sets"; }
  std::filesystem::path SkinFolder() const { return ResourceFolder / "I"; }
};

// Everything the run keeps between handlers. TMainForm owns it; the pages
// read and change it through TMainForm.
struct TRunState {
  TNovletEngine Engine;
  TBoard Solution;
  TCellTexts PuzzleTexts;
  TCellTexts AlternativeTexts;
  TGameState GameState;
  // The record of the Play & Solve game, of the Enter & Design puzzle, and
  // the one last read for the collection page.
  TNovletFileData CurrentGame;
  TNovletFileData CurrentDesign;
  TNovletFileData CollectionRecord;
  TOptions Options;
  // The grid drawing's off-screen picture, sized to the visible game grid.
  QImage GridBuffer;
  // The value the grids highlight; 0 for none.
  int HighlightValue = 0;
  std::string UserName;
  TProgramFolders Folders;
  QStringList DisplaySetList;
  TDisplaySet DisplaySet;
};

}  // namespace novlet
