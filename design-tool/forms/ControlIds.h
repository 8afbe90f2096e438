// Control identifiers of the forms, shared with the tests that drive them.
// Names follow the forms' own control names where they have one.
#pragma once

namespace zentrik::forms::ids {

// frmEnter
inline constexpr int enterBanner = 100;
inline constexpr int enterStrip = 101;
inline constexpr int enterTitle = 102;
inline constexpr int enterNotice = 103;
inline constexpr int enterDisclaimer = 104;
inline constexpr int cmdAccept = 105;
inline constexpr int cmdEnterExit = 106;
inline constexpr int enterVersion = 107;

// frmXls
inline constexpr int xlsBanner = 200;
inline constexpr int xlsStrip = 201;
inline constexpr int txtOutPutVoltage = 210;
inline constexpr int txtOutPutCurrent = 211;
inline constexpr int txtMinInputVoltage = 212;
inline constexpr int txtInductorDrop = 213;
inline constexpr int txtDiodeDrop = 214;
inline constexpr int txtFrequency = 215;
inline constexpr int cmbfrequency = 216;
inline constexpr int txtOverwind = 217;
inline constexpr int txtMaxDutyRatio = 218;
inline constexpr int txtAmbientTemp = 219;
inline constexpr int txtCurrentDensityFactor = 220;
inline constexpr int txtDensityFactorUom = 221;
inline constexpr int txtFill_Factor = 222;
inline constexpr int txtTurns = 223;
inline constexpr int chkTurns = 224;
inline constexpr int txtStack = 225;
inline constexpr int txtCoreSize = 226;
inline constexpr int chkShutDown = 227;
inline constexpr int chkRegulator = 228;
inline constexpr int chkCore = 229;
inline constexpr int chkPick = 230;
inline constexpr int cmdProcess = 231;
inline constexpr int cmdQuit = 232;
inline constexpr int cmdExit = 233;
inline constexpr int cmdHelp = 234;
inline constexpr int xlsLabelFirst = 250;  // captions and units: 250 and up

// frmResult
inline constexpr int resultBanner = 300;
inline constexpr int resultStrip = 301;
inline constexpr int txtCalcType = 302;
inline constexpr int grpInputValues = 303;
inline constexpr int grpSummaryOutput = 304;
inline constexpr int inputCaptionFirst = 310;  // 12 rows each
inline constexpr int inputValueFirst = 330;
inline constexpr int inputUnitFirst = 350;
inline constexpr int summaryCaptionFirst = 370;  // 9 rows each
inline constexpr int summaryValueFirst = 380;
inline constexpr int summaryUnitFirst = 390;
inline constexpr int txtStackField = 399;
inline constexpr int noteFirst = 400;  // 4 notes
inline constexpr int noteSummary = 401;  // the note that colours the web link
inline constexpr int cmdWebLink = 404;
inline constexpr int cmdCalculations = 405;
inline constexpr int cmdViewReport = 406;
inline constexpr int cmdResetInputs = 407;

// frmIntermediateOutput: captions and values by column (0 to 2) and row (0 to 12)
inline constexpr int intermediateBanner = 500;
inline constexpr int intermediateStrip = 501;
inline constexpr int gridCaptionFirst = 510;  // + column * 13 + row
inline constexpr int gridValueFirst = 550;    // + column * 13 + row
inline constexpr int lblWarning = 590;
inline constexpr int cmdClose = 591;
constexpr int GridCaption(int column, int row) { return gridCaptionFirst + column * 13 + row; }
constexpr int GridValue(int column, int row) { return gridValueFirst + column * 13 + row; }

// frmDirections
inline constexpr int directionsTitle = 600;
inline constexpr int txtDirections = 601;
inline constexpr int cmdDirectionsExit = 602;
inline constexpr int txtContact = 603;

}  // namespace zentrik::forms::ids
