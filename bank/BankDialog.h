// The bank: borrow credits or pay them back in fixed amounts, with the two meters painted on top.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <array>

#include "face/Glyphs.h"
#include "machine/GameEvents.h"
#include "machine/MachineState.h"
#include "machine/MoneyOwner.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace zandor {

class PaintedArea;
class Prompts;

class BankDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens in borrow mode, centred on the screen; works directly on the machine's credits and debt.
  BankDialog(MoneyOwner machine, const GlyphSet& glyphs, Prompts& prompts,
             QWidget* parent = nullptr);

  // The six amount buttons, $1,000 first.
  std::array<QPushButton*, 6> AmountButtons;
  // "Borrow Credits" and "Pay Back Credits".
  QRadioButton *BorrowButton, *PayBackButton;
  // The red "Mode:" label.
  QLabel* ModeLabel;
  // "&OK" closes the dialog; HelpButton ("&Help") shows the instructions.
  QPushButton *OkButton, *HelpButton;
  // Hears each loan and repayment; may stay null.
  GameEvents* Events = nullptr;
  // The two painted meters as a screen reader hears them: "Credits 1000.00", "Borrowed 1000.00".
  PaintedArea* Meters;

  // Applies amount button 1..6 in the current mode (what a click on it does).
  void ChooseAmount(int button);
  // Redraws the client-area picture: background, the two captions and the two meters.
  void PaintBank();
  // The client-area picture as last drawn.
  const QImage& Canvas() const { return canvas_; }
  // The picture drawn on amount button 1..6.
  static QPixmap AmountPicture(int button, double ratio = 1);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  MoneyOwner machine_;
  const GlyphSet& glyphs_;
  Prompts& prompts_;
  QImage canvas_;
};

}  // namespace zandor
