#include "Layouts.h"

#include "ControlIds.h"

namespace zentrik::forms {

namespace {

using namespace ids;
constexpr Kind L = Kind::Label;
constexpr Kind F = Kind::Field;
constexpr Kind T = Kind::TextBox;
constexpr Kind M = Kind::Memo;
constexpr Kind B = Kind::Button;
constexpr Kind C = Kind::CheckBox;
constexpr Kind D = Kind::List;
constexpr Kind G = Kind::Group;
constexpr Kind P = Kind::Picture;

constexpr uint32_t kBox = kRight | kTabStop;  // input boxes: right-aligned, in the tab order
constexpr uint32_t kPush = kTabStop;

// ---------------------------------------------------------------- frmEnter
constexpr ControlLayout kEnterControls[] = {
    {enterBanner, P, 0, 0, 8520, 1980, "BANNER_LARGE", nullptr, kDefault, kDefault, kArial8, kClipped},
    {enterStrip, P, 0, 1980, 720, 4680, "SIDE_STRIP", nullptr, kDefault, kDefault, kArial8, kClipped},
    {enterTitle, L, 1080, 2160, 6975, 600, "Zentrik Core Design Tool", nullptr, kDarkBlue, kDefault,
     kArial18, kCentre | kBold},
    {enterNotice, L, 840, 2760, 7290, 1215, "", nullptr, kBlack, kDefault, kArial9, kMultiLine},
    {enterDisclaimer, L, 840, 4080, 7410, 1215, "", nullptr, kBlack, kDefault, kArial8, kMultiLine | kNoPrefix},
    {cmdAccept, B, 2760, 5640, 1215, 375, "I &Accept", nullptr, kDefault, kDefault, kArial8, kPush},
    {cmdEnterExit, B, 4680, 5640, 1215, 375, "E&xit", nullptr, kDefault, kDefault, kArial8, kPush},
    {enterVersion, F, 7080, 6120, 1215, 285, "  (Ver.  3.0.1)", nullptr, kBlack, kSilver, kArial8, kLeft},
};

// ------------------------------------------------------------------ frmXls
// Two columns of inputs (caption, box, unit), the mode check boxes, the
// core size list and the buttons.  Rows are 450 twips apart.
constexpr int kRow1 = 960, kRowStep = 450;
constexpr int Row(int n) { return kRow1 + (n - 1) * kRowStep; }
constexpr int kCapL = 960, kCapW = 2580, kBoxL = 3600, kBoxW = 1020, kUnitL = 4680, kUnitW = 840;
constexpr int kCapR = 5640, kCapRW = 2760, kBoxR = 8460, kBoxRW = 840, kUnitR = 9360, kUnitRW = 720;
constexpr int kBoxH = 315, kCapH = 240, kCap2H = 420;
constexpr int kCapDy = 45;  // a one-line caption sits level with its box's text

constexpr ControlLayout kInputControls[] = {
    {xlsBanner, P, 0, 0, 10200, 720, "BANNER", nullptr, kDefault, kDefault, kArial8, kClipped},
    {xlsStrip, P, 0, 720, 720, 6300, "SIDE_STRIP", nullptr, kDefault, kDefault, kArial8, kClipped},

    {xlsLabelFirst + 0, L, kCapL, Row(1) + kCapDy, kCapW, kCapH, "Output Voltage"},
    {txtOutPutVoltage, T, kBoxL, Row(1), kBoxW, kBoxH, "12", "Inductance should not be greater than 0.1 Henries",
     kDefault, kDefault, kArial9, kBox},
    {xlsLabelFirst + 1, L, kUnitL, Row(1) + kCapDy, kUnitW, kCapH, "Volts"},

    {xlsLabelFirst + 2, L, kCapL, Row(2) + kCapDy, kCapW, kCapH, "Output Current"},
    {txtOutPutCurrent, T, kBoxL, Row(2), kBoxW, kBoxH, "10", nullptr, kDefault, kDefault, kArial9, kBox},
    {xlsLabelFirst + 3, L, kUnitL, Row(2) + kCapDy, kUnitW, kCapH, "Amp"},

    {xlsLabelFirst + 4, L, kCapL, Row(3) - 30, kCapW, kCap2H, "Minimum Input Voltage\n(At Sec. Winding)",
     nullptr, kDefault, kDefault, kArial8, kMultiLine},
    {txtMinInputVoltage, T, kBoxL, Row(3), kBoxW, kBoxH, "40", "Output Power should not be greater than 5000 watts",
     kDefault, kDefault, kArial9, kBox},
    {xlsLabelFirst + 5, L, kUnitL, Row(3) + kCapDy, kUnitW, kCapH, "Volts"},

    {xlsLabelFirst + 6, L, kCapL, Row(4) + kCapDy, kCapW, kCapH, "Inductor Voltage Drop"},
    {txtInductorDrop, T, kBoxL, Row(4), kBoxW, kBoxH, ".2", "Efficiency should be between 90% to 100 %.",
     kDefault, kDefault, kArial9, kBox},
    {xlsLabelFirst + 7, L, kUnitL, Row(4) + kCapDy, kUnitW, kCapH, "Volts"},

    {xlsLabelFirst + 8, L, kCapL, Row(5) + kCapDy, kCapW, kCapH, "Diode Voltage Drop"},
    {txtDiodeDrop, T, kBoxL, Row(5), kBoxW, kBoxH, ".7", nullptr, kDefault, kDefault, kArial9, kBox},
    {xlsLabelFirst + 9, L, kUnitL, Row(5) + kCapDy, kUnitW, kCapH, "Volts"},

    {xlsLabelFirst + 10, L, kCapL, Row(6) - 30, kCapW, kCap2H, "Switching Frequency\n(As Seen By the Inductor)",
     nullptr, kDefault, kDefault, kArial8, kMultiLine},
    {txtFrequency, T, kBoxL, Row(6), kBoxW, kBoxH, "100000", " Frequency should not be greater than 1000000 Hz.",
     kDefault, kDefault, kArial9, kBox},
    {cmbfrequency, D, kUnitL, Row(6), kUnitW, 1200, "", nullptr, kDefault, kDefault, kArial8, kTabStop},

    {xlsLabelFirst + 11, L, kCapL, Row(7) + kCapDy, kCapW, kCapH, "Overwind Factor"},
    {txtOverwind, T, kBoxL, Row(7), kBoxW, kBoxH, "1.2", nullptr, kDefault, kDefault, kArial9, kBox},

    {xlsLabelFirst + 12, L, kCapL, Row(8) + kCapDy, kCapW, kCapH, "Max Duty Ratio of Sec. Voltage"},
    {txtMaxDutyRatio, T, kBoxL, Row(8), kBoxW, kBoxH, ".5", nullptr, kDefault, kDefault, kArial9, kBox},

    {xlsLabelFirst + 13, L, kCapR, Row(1) + kCapDy, kCapRW, kCapH, "Ambient Temperature"},
    {txtAmbientTemp, T, kBoxR, Row(1), kBoxRW, kBoxH, "35", nullptr, kDefault, kDefault, kArial9, kBox},
    {xlsLabelFirst + 14, L, kUnitR, Row(1) + kCapDy, kUnitRW, kCapH, "\xB0" "C"},

    {xlsLabelFirst + 15, L, kCapR, Row(2) + kCapDy, kCapRW, kCapH, "Current Density"},
    {txtCurrentDensityFactor, T, kBoxR, Row(2), kBoxRW, kBoxH, "400", nullptr, kDefault, kDefault, kArial9, kBox},
    {txtDensityFactorUom, F, kUnitR, Row(2), kUnitRW, kBoxH, "", nullptr, kDefault, kDefault, kArial8, kLeft},

    {xlsLabelFirst + 16, L, kCapR, Row(3) - 30, kCapRW, kCap2H, "Window Fill Factor\n(Fraction Filled by Conductor Only)",
     nullptr, kDefault, kDefault, kArial8, kMultiLine},
    {txtFill_Factor, T, kBoxR, Row(3), kBoxRW, kBoxH, ".3", nullptr, kDefault, kDefault, kArial9, kBox},

    {xlsLabelFirst + 17, L, kCapR, Row(4) + kCapDy, kCapRW, kCapH, "Number Of Turns To Use"},
    {txtTurns, T, kBoxR, Row(4), kBoxRW, kBoxH, "0", nullptr, kDefault, kDefault, kArial9, kBox},
    {chkTurns, C, kBoxR, Row(5), 1680, kBoxH, "Calculate Turns", nullptr, kDefault, kDefault, kArial8, kTabStop},

    {xlsLabelFirst + 18, L, kCapR, Row(6) + kCapDy, kCapRW, kCapH, "Cores To Stack"},
    {txtStack, T, kBoxR, Row(6), kBoxRW, kBoxH, "1", "Number of Cores to Stack In Calculations", kDefault, kDefault,
     kArial9, kBox},

    {xlsLabelFirst + 19, L, kCapL, Row(9) + 180 + kCapDy, kCapW, kCapH, " Shutdown Or Regulation"},
    {chkShutDown, C, kBoxL, Row(9) + 180, 1500, kBoxH, "Shutdown", "Shutdown Calculator", kDefault, kDefault,
     kArial8, kTabStop},
    {chkRegulator, C, kBoxL + 1620, Row(9) + 180, 1500, kBoxH, "Regulation", "Regulation Calculator", kDefault,
     kDefault, kArial8, kTabStop},

    {xlsLabelFirst + 20, L, kCapL, Row(10) + 180 + kCapDy, kCapW, kCapH, "Calculator Type"},
    {chkCore, C, kBoxL, Row(10) + 180, 1500, kBoxH, "Calculate Core", nullptr, kDefault, kDefault, kArial8, kTabStop},
    {chkPick, C, kBoxL + 1620, Row(10) + 180, 1500, kBoxH, "Pick Core", "Pick A Core From the Core Size List",
     kDefault, kDefault, kArial8, kTabStop},

    {xlsLabelFirst + 21, L, kCapL, Row(11) + 180 + kCapDy, kCapW, kCapH, "Core Size List"},
    {txtCoreSize, D, kBoxL, Row(11) + 180, 6480, 3600, "", nullptr, kDefault, kDefault, kCourier9, kTabStop},

    {cmdProcess, B, kCapL, 6420, 1800, 420, "&Show Results", nullptr, kDefault, kDefault, kArial8, kPush},
    {cmdQuit, B, kCapL + 1980, 6420, 1800, 420, "Clear &Results", nullptr, kDefault, kDefault, kArial8, kPush},
    {cmdHelp, B, kCapL + 3960, 6420, 1200, 420, "Help", "Directions on how to use this product.", kDefault,
     kDefault, kArial8, kPush},
    {cmdExit, B, 8520, 6420, 1560, 420, "&Cancel", nullptr, kDefault, kDefault, kArial8, kPush},
};

// --------------------------------------------------------------- frmResult
// Rows of the two groups; positions inside a group are relative to its
// left and top edges.
constexpr int kInGroupL = 840, kInGroupT = 1100, kInGroupW = 4575, kInGroupH = 4935;
constexpr int kOutGroupL = 5520, kOutGroupT = 1100, kOutGroupW = 4935, kOutGroupH = 3735;
constexpr int kValueH = 285;
constexpr int InRow(int i) { return kInGroupT + 540 + i * 360; }
constexpr int OutRow(int i) { return kOutGroupT + 540 + i * 360; }
constexpr int kCaptionDy = 30;

#define INPUT_ROW(i, caption, unit)                                                                     \
  {inputCaptionFirst + i, L, kInGroupL + 120, InRow(i) + kCaptionDy, 2250, 255, caption, nullptr, kNavy, \
   kWhite, kArial10},                                                                                    \
      {inputValueFirst + i, F, kInGroupL + 2400, InRow(i), 1080, kValueH, "", nullptr, kBlack, kWhite,  \
       kArial9, kRight},                                                                                 \
      {inputUnitFirst + i, L, kInGroupL + 3540, InRow(i) + kCaptionDy, 960, 255, unit, nullptr, kNavy,   \
       kWhite, kArial10}

#define OUTPUT_ROW(i, caption, unit)                                                                      \
  {summaryCaptionFirst + i, L, kOutGroupL + 120, OutRow(i) + kCaptionDy, 2400, 255, caption, nullptr,    \
   kNavy, kWhite, kArial10},                                                                               \
      {summaryValueFirst + i, F, kOutGroupL + 2600, OutRow(i), 1100, kValueH, "", nullptr, kBlack, kWhite, \
       kArial9, kRight},                                                                                  \
      {summaryUnitFirst + i, L, kOutGroupL + 3750, OutRow(i) + kCaptionDy, 1080, 255, unit, nullptr, kNavy, \
       kWhite, kArial10}

constexpr ControlLayout kResultControls[] = {
    {resultBanner, P, 0, 0, 10635, 720, "BANNER", nullptr, kDefault, kDefault, kArial8, kClipped},
    {resultStrip, P, 0, 720, 720, 7680, "SIDE_STRIP", nullptr, kDefault, kDefault, kArial8, kClipped},
    {txtCalcType, F, 4118, 750, 2400, 330, "", nullptr, kNavy, kLightCyan, kArial10, kCentre | kBold},

    {grpInputValues, G, kInGroupL, kInGroupT, kInGroupW, kInGroupH, "Input Values", nullptr, kNavy, kWhite,
     kArial10, kBold},
    INPUT_ROW(0, "Output Voltage", "Volts"),
    INPUT_ROW(1, "Output Current", "Amps"),
    INPUT_ROW(2, "Min Input Voltage", "Volts"),
    INPUT_ROW(3, "Inductor Voltage Drop", "Volts"),
    INPUT_ROW(4, "Diode Voltage Drop", "Volts"),
    INPUT_ROW(5, "Switching Frequency", "Hz"),
    INPUT_ROW(6, "Overwind Factor", ""),
    INPUT_ROW(7, "Max Duty Ratio", ""),
    INPUT_ROW(8, "Current Density Factor", ""),
    INPUT_ROW(9, "Window Fill Factor", ""),
    INPUT_ROW(10, "Turns Selected", ""),
    INPUT_ROW(11, "Core Size Selected", ""),

    {grpSummaryOutput, G, kOutGroupL, kOutGroupT, kOutGroupW, kOutGroupH, "Summary Output", nullptr, kNavy,
     kWhite, kArial10, kBold},
    // The core name field is wider than the other values, with the stack
    // field right of it.
    {summaryCaptionFirst + 0, L, kOutGroupL + 120, OutRow(0) + kCaptionDy, 2400, 255, "Core Size", nullptr, kNavy,
     kWhite, kArial10},
    {summaryValueFirst + 0, F, kOutGroupL + 2600, OutRow(0), 1680, kValueH, "", nullptr, kBlack, kWhite, kArial9,
     kRight},
    {txtStackField, F, kOutGroupL + 4280, OutRow(0), 500, kValueH, "", nullptr, kBlack, kWhite, kArial9, kLeft},
    OUTPUT_ROW(1, "No. of Turns", ""),
    OUTPUT_ROW(2, "Wire Size", "AWG"),
    OUTPUT_ROW(3, "Copper Loss", "Watts"),
    OUTPUT_ROW(4, "Core Loss", "Watts"),
    OUTPUT_ROW(5, "Total Losses", "Watts"),
    OUTPUT_ROW(6, "Temperature Rise", "\xB0" "C"),
    OUTPUT_ROW(7, "Reset Field", "Oe"),
    OUTPUT_ROW(8, "Control Current", "mA"),

    {noteFirst + 0, L, 840, 6360, 6900, 255, "Note:", nullptr, kNavy, kWhite, kArial10, kBold},
    {noteSummary, L, 840, 6615, 6900, 255, "These are the summary design outputs based on defined inputs.", nullptr,
     kNavy, kWhite, kArial10, kClickable},
    {noteFirst + 2, L, 840, 6870, 6900, 255, "Copper Loss Reported at Operating Temperature.", nullptr, kNavy,
     kWhite, kArial10},
    {noteFirst + 3, L, 840, 7125, 6900, 255,
     "To view and print detailed core data and output summary click View Report.", nullptr, kNavy, kWhite,
     kArial10},
    {cmdWebLink, L, 7800, 7125, 2655, 255, "", nullptr, kBlue, kWhite, kArial10, kCentre | kClickable | kUnderline},

    {cmdCalculations, B, 1920, 7800, 1800, 420, "&Calculations", nullptr, kDefault, kDefault, kArial8, kPush},
    {cmdViewReport, B, 4320, 7800, 1800, 420, "&View Report", nullptr, kDefault, kDefault, kArial8, kPush},
    {cmdResetInputs, B, 6720, 7800, 2400, 420, "R&eset Design Inputs", nullptr, kDefault, kDefault, kArial8,
     kPush},
};

#undef INPUT_ROW
#undef OUTPUT_ROW

// --------------------------------------------------- frmIntermediateOutput
constexpr int kGridTop[13] = {1560, 1935, 2310, 2685, 3060, 3435, 3810, 4185, 4560, 4935, 5310, 5685, 6060};
constexpr int kGridH = 255;
constexpr int kCaptionLeft[3] = {795, 3900, 8000};
constexpr int kCaptionWidth[3] = {1980, 2700, 1800};
constexpr int kValueLeft[3] = {2800, 6700, 9960};
constexpr int kValueWidth[3] = {1100, 1100, 1375};

// Header captions (row 0) are black on light grey; the rest navy on white.
constexpr ControlLayout GridCaptionLayout(int column, int row) {
  int width = (column == 2 && row == 6) ? 3315 : kCaptionWidth[column];
  bool header = row == 0;
  return {GridCaption(column, row), L, kCaptionLeft[column], kGridTop[row], width, kGridH, "", nullptr,
          header ? kBlack : kNavy, header ? kLightGrey : kWhite, kArial8, kBold | kNoPrefix};
}
constexpr ControlLayout GridValueLayout(int column, int row) {
  return {GridValue(column, row), L, kValueLeft[column], kGridTop[row], kValueWidth[column], kGridH, "", nullptr,
          kNavy, kWhite, kArial8, kBold | kNoPrefix};
}

#define GRID_ROW(c, r) GridCaptionLayout(c, r), GridValueLayout(c, r)
#define GRID_COLUMN(c)                                                                                        \
  GRID_ROW(c, 0), GRID_ROW(c, 1), GRID_ROW(c, 2), GRID_ROW(c, 3), GRID_ROW(c, 4), GRID_ROW(c, 5), GRID_ROW(c, 6), \
      GRID_ROW(c, 7), GRID_ROW(c, 8), GRID_ROW(c, 9), GRID_ROW(c, 10), GRID_ROW(c, 11), GRID_ROW(c, 12)

constexpr ControlLayout kIntermediateControls[] = {
    {intermediateBanner, P, 0, 0, 11385, 720, "BANNER", nullptr, kDefault, kDefault, kArial8, kClipped},
    {intermediateStrip, P, 0, 720, 720, 7680, "SIDE_STRIP", nullptr, kDefault, kDefault, kArial8, kClipped},
    GRID_COLUMN(0),
    GRID_COLUMN(1),
    GRID_COLUMN(2),
    {lblWarning, L, 720, 6720, 4695, 780, "", nullptr, kRed, kWhite, kArial8, kBold | kMultiLine | kNoPrefix},
    {cmdClose, B, 5520, 6840, 1185, 420, "&Close", nullptr, kDefault, kDefault, kArial8, kPush},
};

#undef GRID_ROW
#undef GRID_COLUMN

// ----------------------------------------------------------- frmDirections
constexpr ControlLayout kDirectionsControls[] = {
    {directionsTitle, F, 2880, 120, 5040, 405, "Welcome  to Our Core Calculator", nullptr, kBlack,
     kSystemHighlight3D, kArial12, kCentre | kBold},
    {txtDirections, M, 240, 720, 10215, 4815, "", nullptr, kBlack, kLightGrey, kArial9, kLeft},
    {cmdDirectionsExit, B, 4440, 5640, 1575, 420, "E&xit", nullptr, kDefault, kDefault, kArial8, kPush},
    {txtContact, M, 1200, 6240, 8295, 615, "", nullptr, kBlack, kSilver, kArial8, kLeft},
};

}  // namespace

const FormLayout kEnterForm = MakeForm("frmEnter", "Zentrik Core Selection Calculator", 8520, 6660, 700, 600,
                                     kLightGrey, kEnterControls);
const FormLayout kInputForm = MakeForm("frmXls", "Zentrik Core Design Tool Inputs", 10200, 7020, 700, 600,
                                     kLightGrey, kInputControls);
const FormLayout kResultForm = MakeForm("frmResult", "Zentrik Core Design Summary Outputs", 10635, 8400, 250, 500,
                                      kWhite, kResultControls);
const FormLayout kIntermediateForm = MakeForm("frmIntermediateOutput", "Zentrik Core Intermediate Outputs", 11385,
                                            8400, 250, 500, kWhite, kIntermediateControls);
const FormLayout kDirectionsForm = MakeForm("frmDirections", "Calculator Explaination", 10695, 7020, 1200, 900,
                                          kDefault, kDirectionsControls);

const FormLayout* const kAllForms[5] = {&kEnterForm, &kInputForm, &kResultForm, &kIntermediateForm,
                                      &kDirectionsForm};

}  // namespace zentrik::forms
