// Every text id the program shows a text by, with its built-in English text:
// the one table the code names texts from and the language sources follow.
#pragma once

#include <span>
#include <string_view>

namespace novlet {

// The texts of a control or a run-time text: a caption and a tool tip.
struct TBuiltInText {
  int Id;
  std::string_view Caption;
  std::string_view Hint;
};

// Every id below, in id order.
std::span<const TBuiltInText> BuiltInTexts();
// The built-in texts of an id; an empty caption and hint for an unknown one.
TBuiltInText BuiltInText(int id);

namespace TextId {

// The boxes and the name entry.
inline constexpr int Ok = 20;
inline constexpr int Cancel = 21;
inline constexpr int NameYes = 22;
inline constexpr int NameNo = 23;
inline constexpr int SaveNovletAs = 30;
inline constexpr int EnterAName = 31;
inline constexpr int ImportTitle = 35;
inline constexpr int ExportTitle = 36;
inline constexpr int ExportAllTitle = 37;

// The window frame.
inline constexpr int HelpBtn = 50;
inline constexpr int InfoBtn = 100;
inline constexpr int MinimizeBtn = 200;
inline constexpr int HideBtn = 300;
inline constexpr int WebsiteBtn = 400;
inline constexpr int PureShape = 450;
inline constexpr int Variants = 460;
inline constexpr int PlayNSolvePage = 500;
inline constexpr int EnterNDesignPage = 600;
inline constexpr int MyNovletsPage = 700;
inline constexpr int OptionsPage = 800;
inline constexpr int QuitBtn = 1100;
inline constexpr int QuitQuestion = 1110;
inline constexpr int QuitExplanation = 1112;

// Play & Solve.
inline constexpr int PlayNew = 510;
inline constexpr int PlaySave = 515;
inline constexpr int PlayPrint = 520;
inline constexpr int PlayClipboard = 525;
inline constexpr int Pause = 530;
inline constexpr int Continue = 531;
inline constexpr int Restart = 535;
inline constexpr int Undo = 540;
inline constexpr int Hint = 545;
inline constexpr int Errors = 550;
inline constexpr int Solution = 560;
inline constexpr int PlayAlternatives = 565;
inline constexpr int PencilNote = 566;
inline constexpr int Time = 575;
inline constexpr int Pausing = 576;
inline constexpr int PlayThinking = 577;
inline constexpr int PuzzleSolution = 578;
inline constexpr int PuzzleSolved = 579;
inline constexpr int PlayStrip = 580;
inline constexpr int NothingGenerated = 585;

// Enter & Design.
inline constexpr int DesignNew = 610;
inline constexpr int DesignSave = 615;
inline constexpr int DesignPlayNSolve = 620;
inline constexpr int DesignPrint = 625;
inline constexpr int DesignClipboard = 630;
inline constexpr int CheckPuzzle = 635;
inline constexpr int Generate = 640;
inline constexpr int DesignModeBtn = 645;
inline constexpr int PuzzleModeBtn = 646;
inline constexpr int MakePuzzle = 650;
inline constexpr int Complete = 660;
inline constexpr int DesignAlternatives = 665;
inline constexpr int Validating = 670;
inline constexpr int PuzzleInvalid = 671;
inline constexpr int PuzzleSolvable = 672;
inline constexpr int PuzzleModeName = 675;
inline constexpr int DesignModeName = 676;
inline constexpr int DesignThinking = 677;
inline constexpr int DesignStrip = 680;

// My Novlets.
inline constexpr int MyNovletsHeader = 710;
inline constexpr int Rename = 720;
inline constexpr int Delete = 725;
inline constexpr int Import = 730;
inline constexpr int Export = 735;
inline constexpr int ExportAll = 740;
inline constexpr int CollectionPlayNSolve = 745;
inline constexpr int ReplayNSolve = 750;
inline constexpr int CollectionEnterNDesign = 755;
inline constexpr int BackupAll = 760;
inline constexpr int BackupQuestion = 761;
inline constexpr int RestoreAll = 765;
inline constexpr int RestoreQuestion = 766;

// Options.
inline constexpr int OptionsHeader = 810;
inline constexpr int BackgroundColorHeader = 820;
inline constexpr int BackgroundColorBtn = 821;
inline constexpr int ContrastColorHeader = 830;
inline constexpr int ContrastColorBtn = 831;
inline constexpr int ContrastPuzzle = 832;
inline constexpr int RulerColorHeader = 840;
inline constexpr int RulerColorBtn = 841;
inline constexpr int RulerVisible = 842;
inline constexpr int FontHeader = 850;
inline constexpr int FontBtn = 851;
inline constexpr int DisplaySet = 855;
inline constexpr int Level = 860;
inline constexpr int Rookie = 861;
inline constexpr int Normal = 862;
inline constexpr int Skilled = 863;
inline constexpr int Expert = 864;
inline constexpr int Hints = 865;
inline constexpr int ErrorsOption = 866;
inline constexpr int AlternativesOption = 867;
inline constexpr int TimeLimited = 868;
inline constexpr int TimeLimit = 869;
inline constexpr int DesktopShortcut = 870;
inline constexpr int Language = 880;
inline constexpr int LanguageList = 881;
inline constexpr int ScreenSize = 885;
inline constexpr int Automatic = 886;
inline constexpr int Ignore = 887;
inline constexpr int DefaultOptions = 890;

// The about box.
inline constexpr int About = 4000;
inline constexpr int AboutWebsite = 4010;
inline constexpr int AboutClose = 4020;
inline constexpr int AboutHide = 4030;

inline constexpr int Yes = 10000;
inline constexpr int No = 10001;

// The collection page's details.
inline constexpr int OriginCorvex = 71001;
inline constexpr int OriginSelf = 71002;
inline constexpr int OriginImported = 71003;
inline constexpr int StatusPlaying = 71004;
inline constexpr int StatusSolution = 71005;
inline constexpr int StatusDesigning = 71006;
inline constexpr int Created = 71007;
inline constexpr int LevelPrefix = 71008;
inline constexpr int TimeLimitPrefix = 71009;
inline constexpr int TimePlayed = 71010;
inline constexpr int Origin = 71011;
inline constexpr int Status = 71012;
inline constexpr int Entries = 71013;
inline constexpr int Pauses = 71014;
inline constexpr int HintsCount = 71015;
inline constexpr int ErrorsCount = 71016;
inline constexpr int Restarts = 71017;
inline constexpr int AlternativesCount = 71018;

// The collection page's own notices (72100-72199).
inline constexpr int DamagedPuzzle = 72100;
inline constexpr int DamagedLeftOut = 72101;
inline constexpr int NothingFound = 72102;
inline constexpr int ReplaceFile = 72103;
inline constexpr int TextImported = 72110;
inline constexpr int TextNotImported = 72111;
inline constexpr int TextMoreNotImported = 72112;
// TextImported when some puzzles were already in the collection (72400-72449).
inline constexpr int TextImportedSomeThere = 72400;
// Text files and the clipboard as people have them (72450-72499).
inline constexpr int TextImportShape = 72450;
inline constexpr int PastedMore = 72451;
inline constexpr int PastedOneMore = 72452;
inline constexpr int Booklet = 770;
inline constexpr int BookletPerPage = 72120;
inline constexpr int BookletSolutions = 72121;
inline constexpr int BookletTitle = 72122;

// Enter & Design and printing: run-time messages (72000-72099).
inline constexpr int PrintFailed = 72000;
inline constexpr int PastePuzzle = 72010;
inline constexpr int NothingToPaste = 72011;
inline constexpr int PasteRefused = 72012;

// What screen readers and desktop automation read (72300-72399).
inline constexpr int AccessibleCellName = 72300;
inline constexpr int AccessibleGiven = 72301;
inline constexpr int AccessibleNotes = 72302;
inline constexpr int AccessibleEmpty = 72303;
inline constexpr int AccessibleHidden = 72304;
inline constexpr int AccessibleGrid = 72305;
inline constexpr int AccessibleColumn = 72306;
inline constexpr int AccessibleRow = 72307;
inline constexpr int AccessibleSymbols = 72308;
inline constexpr int AccessibleClock = 72309;

// Explained steps of the solver that works as a person does (73000-73099).
inline constexpr int ExplainNoStep = 73000;
inline constexpr int ExplainWrongValue = 73001;
inline constexpr int ExplainRow = 73002;
inline constexpr int ExplainColumn = 73003;
inline constexpr int ExplainBox = 73004;
inline constexpr int ExplainCell = 73005;
inline constexpr int ExplainAnd = 73006;
inline constexpr int ExplainCellSeparator = 73007;
inline constexpr int ExplainSolved = 73008;
// The technique names and the sentences explaining a step, one of each per
// technique, in the order of TTechnique.
inline constexpr int ExplainTechniqueNames = 73010;
inline constexpr int ExplainTemplates = 73040;
inline constexpr int Explain = 73090;
// What the window says of the store's refusals and of puzzles read from text,
// and the words it builds questions and file types from (72500-72599).
inline constexpr int UnableToWrite = 72500;
inline constexpr int UnableToRead = 72501;
inline constexpr int UnableToReadBecause = 72502;
inline constexpr int InUse = 72503;
inline constexpr int RenameGone = 72504;
inline constexpr int RenameDamaged = 72505;
inline constexpr int ExportOwnFile = 72506;
inline constexpr int NameNotASection = 72507;
inline constexpr int ReasonMissing = 72510;
inline constexpr int ReasonWideText = 72511;
inline constexpr int ReasonBinary = 72512;
inline constexpr int ReasonDenied = 72513;
inline constexpr int ReasonFolder = 72514;
inline constexpr int ReasonNoSuchFile = 72515;
inline constexpr int OnLine = 72520;
inline constexpr int NotACell = 72521;
inline constexpr int AboveLargest = 72522;
inline constexpr int Twice = 72523;
inline constexpr int Byte = 72524;
inline constexpr int BoxNumber = 72525;
inline constexpr int CellsExpected = 72526;
inline constexpr int RowsOfCells = 72527;
inline constexpr int RowsExpected = 72528;
inline constexpr int OneOrOther = 72529;
inline constexpr int NoSolution = 72530;
inline constexpr int SeveralSolutions = 72531;
inline constexpr int TooFewGivens = 72532;
inline constexpr int CollectionFileType = 72540;
inline constexpr int TextPuzzlesFileType = 72541;
inline constexpr int DeleteQuestion = 72550;
inline constexpr int AlreadyExists = 72551;
inline constexpr int FontColor = 72560;
// The about box's texts over its picture.
inline constexpr int AboutVersion = 72570;
inline constexpr int AboutGame = 72571;
inline constexpr int AboutFeatures = 72572;
inline constexpr int AboutCopyright = 72573;

}  // namespace TextId

// The level names, as the level list shows them.
inline constexpr int kLevelNameIds[] = {TextId::Rookie, TextId::Normal, TextId::Skilled, TextId::Expert};

}  // namespace novlet
