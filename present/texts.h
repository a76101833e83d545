#pragma once

#include <string_view>

namespace present {

// One text of a language, in UTF-8. It has no default: a language that
// leaves a text out does not compile.
class Text {
 public:
  consteval Text(const char* text) : text_(text) {}
  constexpr operator std::string_view() const { return text_; }

 private:
  std::string_view text_;
};

// Every text the program shows in the language its captions are switched to,
// window by window; a language gives each of them, in this order, by name
// (present/texts_en.h is the model). Texts shown beside a number or a name
// keep its placeholder: "{}" for the next figure, "%1" for a file name.
// Words that end a line ready for a value keep their colon, and a text's
// blanks at either end belong to it.
#define CGCALC_TEXTS(X)                                                                                               \
  /* The main window: its title, the line about units, the heads of the  */                                           \
  /* result columns (wing, tailplane, total) and the aspect-ratio warning. */                                         \
  X(windowTitle)                                                                                                      \
  X(windowUnits)                                                                                                      \
  X(headWing)                                                                                                         \
  X(headTailplane)                                                                                                    \
  X(headTotal)                                                                                                        \
  X(aspectRatioWarning)                                                                                               \
  /* The result rows from top to bottom; both centre-of-gravity rows    */                                            \
  /* share one caption, their margins tell them apart.                  */                                            \
  X(rowArea)                                                                                                          \
  X(rowMeanChord)                                                                                                     \
  X(rowAspectRatio)                                                                                                   \
  X(rowLiftSlope)                                                                                                     \
  X(rowNeutralPoint)                                                                                                  \
  X(rowNeutralPointPercent)                                                                                           \
  X(rowLeverArm)                                                                                                      \
  X(rowDownwashFactor)                                                                                                \
  X(rowCentreOfGravity)                                                                                               \
  /* What each of the fifteen input fields holds, by its code.          */                                            \
  X(fieldB)                                                                                                           \
  X(fieldSa)                                                                                                          \
  X(fieldLi)                                                                                                          \
  X(fieldLk)                                                                                                          \
  X(fieldLa)                                                                                                          \
  X(fieldVk)                                                                                                          \
  X(fieldVa)                                                                                                          \
  X(fieldBh)                                                                                                          \
  X(fieldSah)                                                                                                         \
  X(fieldLih)                                                                                                         \
  X(fieldLkh)                                                                                                         \
  X(fieldLah)                                                                                                         \
  X(fieldVkh)                                                                                                         \
  X(fieldVah)                                                                                                         \
  X(fieldRh)                                                                                                          \
  /* A number typed outside the model's fields and refused: after the   */                                            \
  /* field's caption.                                                   */                                            \
  X(numberNotANumber)                                                                                                 \
  X(numberTooLarge)                                                                                                   \
  X(numberTooManyDigits)                                                                                              \
  /* The vortex lattice's second opinion. Summary: "{}" is the neutral  */                                            \
  /* point in mm, then the difference's size in %.                      */                                            \
  X(latticeSummaryAft)                                                                                                \
  X(latticeSummaryForward)                                                                                            \
  X(latticeSummarySame)                                                                                               \
  X(latticeNothingToSolve) /* the main window's status line */                                                        \
  X(latticeCannotSolve)    /* cgcalc-cli's warning */                                                                 \
  /* A canard or tandem: "{}" is the lattice's range, forward end first. */                                           \
  X(tailAhead)                                                                                                        \
  X(tailAheadNoRange)                                                                                                 \
  /* The rule's rear centre of gravity too close to the lattice's       */                                            \
  /* neutral point: what to do ("{}": the lattice's range), then why    */                                            \
  /* ("{}": the margin kept, then the rule's; or how far behind, in %). */                                            \
  /* Short, to fit the main window's status line.                       */                                            \
  X(balanceByLattice)                                                                                                 \
  X(balanceByLatticeNoRange)                                                                                          \
  X(rearKeepsLittle)                                                                                                  \
  X(rearBehind)                                                                                                       \
  X(furtherAft) /* after the summary, which says how far aft */                                                       \
  X(ruleRangeNotApplicable) /* the tooltip of the rule's figures on a canard */                                       \
  /* Which judgement governs, and why.                                  */                                            \
  X(governingTailAhead)                                                                                               \
  X(governingSweptFlyingWing)                                                                                         \
  X(governingLatticeForward)                                                                                          \
  X(governingRuleForward)                                                                                             \
  X(governingSameNeutralPoint)                                                                                        \
  /* cgcalc-cli's rows of the second opinion (lift slope and neutral    */                                            \
  /* point take the result rows' captions).                             */                                            \
  X(vlmTitle)                                                                                                         \
  X(vlmNpDiff)                                                                                                        \
  X(vlmCgForward)                                                                                                     \
  X(vlmCgRear)                                                                                                        \
  /* The balance check: its title, its inputs, its rows and its words.  */                                            \
  X(balanceTitle)                                                                                                     \
  X(balanceCgMode)                                                                                                    \
  X(balanceSupportsMode)                                                                                              \
  X(balancePositions)                                                                                                 \
  X(balanceInputCg)                                                                                                   \
  X(balanceInputXa)                                                                                                   \
  X(balanceInputMa)                                                                                                   \
  X(balanceInputXb)                                                                                                   \
  X(balanceInputMb)                                                                                                   \
  X(balanceInputMass)                                                                                                 \
  X(balanceInputStation)                                                                                              \
  X(balanceCg)                                                                                                        \
  X(balanceMass)                                                                                                      \
  X(balanceMargin)                                                                                                    \
  X(balanceVerdict)                                                                                                   \
  X(balanceBallast)                                                                                                   \
  X(balanceNewMass)                                                                                                   \
  X(balanceLatticeMargin)                                                                                             \
  X(balanceLatticeVerdict)                                                                                            \
  X(balanceLatticeBallast)                                                                                            \
  X(balanceGoverning)                                                                                                 \
  X(verdictUnstable)                                                                                                  \
  X(verdictTailHeavy)                                                                                                 \
  X(verdictInRange)                                                                                                   \
  X(verdictNoseHeavy)                                                                                                 \
  X(adviceNoBallast)                                                                                                  \
  X(adviceWrongSide)                                                                                                  \
  X(adviceNoMass)                                                                                                     \
  X(adviceNoStation)                                                                                                  \
  X(balanceNoCg)                                                                                                      \
  X(balanceNoSupportMass)                                                                                             \
  X(balanceSameSupport)                                                                                               \
  X(balanceMassNotPositive)                                                                                           \
  X(balanceNoModel)                                                                                                   \
  X(balanceNotKept) /* "%1": the settings file */                                                                     \
  /* The what-if window: its controls, its range and its plot.          */                                            \
  X(whatIfTitle)                                                                                                      \
  X(whatIfField)                                                                                                      \
  X(whatIfExportPng)                                                                                                  \
  X(whatIfExportSvg)                                                                                                  \
  X(whatIfExportFailed)                                                                                               \
  X(rangeFrom)                                                                                                        \
  X(rangeTo)                                                                                                          \
  X(rangeStep)                                                                                                        \
  X(rangeForm)                                                                                                        \
  X(rangeBadNumber)                                                                                                   \
  X(rangeZeroStep)                                                                                                    \
  X(rangeAwayFromTo)                                                                                                  \
  X(rangeTooManyPoints)                                                                                               \
  X(rangeTooManyDigits)                                                                                               \
  X(rangeEqualEnds)                                                                                                   \
  X(rangeFalling)   /* followed by the ends as plotted, the smaller first, */                                         \
  X(rangeFallingTo) /* between them */                                                                                \
  X(curveNeutralPoint)                                                                                                \
  X(curveRearmostCg)                                                                                                  \
  X(curveForemostCg)                                                                                                  \
  X(curveLatticeNeutralPoint)                                                                                         \
  X(plotYAxis)                                                                                                        \
  X(plotCurrentValue)                                                                                                 \
  X(plotMeasuredCg)                                                                                                   \
  X(plotUpdating)                                                                                                     \
  X(plotOutdated)                                                                                                     \
  /* The tailplane's height window.                                     */                                            \
  X(tailHeightTitle)                                                                                                  \
  X(tailHeightField)                                                                                                  \
  X(tailHeightNote)                                                                                                   \
  X(tailHeightName) /* the field as a refusal names it */                                                             \
  X(tailHeightKeepsLast)                                                                                              \
  /* The margins window: its fields, buttons and state, and why a pair  */                                            \
  /* is refused.                                                        */                                            \
  X(marginsTitle)                                                                                                     \
  X(marginsForwardField)                                                                                              \
  X(marginsForwardName) /* the field as a refusal names it */                                                         \
  X(marginsRearField)                                                                                                 \
  X(marginsRearName) /* the field as a refusal names it */                                                            \
  X(marginsApply)                                                                                                     \
  X(marginsDefaults)                                                                                                  \
  X(marginsChosen)                                                                                                    \
  X(marginsDefaultWithTail)                                                                                           \
  X(marginsDefaultFlyingWing)                                                                                         \
  X(marginsKeepsLast)                                                                                                 \
  X(marginsRearBelowZero)                                                                                             \
  X(marginsForwardNotAboveRear)                                                                                       \
  X(marginsAboveMost) /* "{}": the largest margin */                                                                  \
  X(marginsTooManyDecimals) /* after the field's name */                                                              \
  /* The texts above that name a unit, in inches and ounces: shown in  */                                             \
  /* their place when the model is shown in those units (the pairs    */                                              \
  /* are present/unit_captions.h). Same placeholders as their pair.   */                                              \
  X(windowUnitsInch)                                                                                                  \
  X(rowAreaInch)                                                                                                      \
  X(latticeSummaryAftInch)                                                                                            \
  X(latticeSummaryForwardInch)                                                                                        \
  X(latticeSummarySameInch)                                                                                           \
  X(tailAheadInch)                                                                                                    \
  X(balanceByLatticeInch)                                                                                             \
  X(balancePositionsInch)                                                                                             \
  X(plotYAxisInch)                                                                                                    \
  X(tailHeightFieldInch)                                                                                              \
  X(balanceInputMaOunce)                                                                                              \
  X(balanceInputMbOunce)                                                                                              \
  X(balanceInputMassOunce)                                                                                            \
  X(balanceMassOunce)                                                                                                 \
  X(balanceBallastOunce)                                                                                              \
  X(balanceNewMassOunce)                                                                                              \
  X(balanceLatticeBallastOunce)                                                                                       \
  /* The file messages: why a file command failed, below the file's     */                                            \
  /* name (a refusal: the words after the name).                        */                                            \
  X(fileNotFound)                                                                                                     \
  X(filePathNotFound)                                                                                                 \
  X(fileTooManyOpen)                                                                                                  \
  X(fileAccessDenied)                                                                                                 \
  X(fileInUse)                                                                                                        \
  X(fileDiskFull)                                                                                                     \
  X(fileInvalidName)                                                                                                  \
  X(fileNameTooLong)                                                                                                  \
  X(fileTooLargeForSystem)                                                                                            \
  X(fileDeviceFailed)                                                                                                 \
  X(fileTooLargeToRewrite)                                                                                            \
  X(fileNobodyTakesData)                                                                                              \
  X(fileInterrupted)                                                                                                  \
  X(fileBusy)                                                                                                         \
  X(fileOutOfMemory)                                                                                                  \
  X(fileNotOpen)                                                                                                      \
  X(fileExists)                                                                                                       \
  X(fileOnOtherDevice)                                                                                                \
  X(fileNoDevice)                                                                                                     \
  X(fileTooManyLinks)                                                                                                 \
  X(fileTooLarge)                                                                                                     \
  X(fileSystemCannot)                                                                                                 \
  X(fileNameEncoding)                                                                                                 \
  X(fileNetworkTimeout)                                                                                               \
  X(fileNetworkGone)                                                                                                  \
  X(fileSystemSays) /* before the system's own words for an errno */                                                  \
  X(fileErrorUnknown)                                                                                                 \
  /* A file the model reader refuses: the words after its name.         */                                            \
  X(refusedTooLarge)                                                                                                  \
  X(refusedNamedPipe)                                                                                                 \
  X(refusedDevice)                                                                                                    \
  X(refusedFolder)                                                                                                    \
  X(refusedSocket)                                                                                                    \
  X(refusedSpecial)                                                                                                   \
  /* The About window, which shows German and English together: two     */                                            \
  /* lines that read as one sentence, the credits and the contact.      */                                            \
  X(aboutFirstLine)                                                                                                   \
  X(aboutSecondLine)                                                                                                  \
  X(aboutIdeaCredit)                                                                                                  \
  X(aboutImplementationCredit)                                                                                        \
  X(aboutContact)

struct Texts {
#define CGCALC_TEXT_MEMBER(name) Text name;
  CGCALC_TEXTS(CGCALC_TEXT_MEMBER)
#undef CGCALC_TEXT_MEMBER
};

// A text as the tables name it, whatever the language.
using Caption = Text Texts::*;

}  // namespace present
