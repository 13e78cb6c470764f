// The bank: borrow credits or pay them back in fixed amounts, with the two meters painted on top.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <array>

#include "face/Glyphs.h"
#include "machine/GameEvents.h"
#include "machine/TGame.h"

class QLabel;
class QPushButton;
class QRadioButton;

class TBorrowC : public QDialog {
  Q_OBJECT

 public:
  // Opens in borrow mode, centred on the screen; works directly on g.Credits and g.Borrowed.
  TBorrowC(TGame& g, const TGlyphs& glyphs, QWidget* parent = nullptr);

  // The six amount buttons, $1,000 first.
  QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5, *BitBtn6;
  // "Borrow Credits" and "Pay Back Credits".
  QRadioButton *RadioButton1, *RadioButton2;
  // The red "Mode:" label.
  QLabel* Label1;
  // "&OK" closes the dialog; BitBtn7 ("&Help") shows the instructions.
  QPushButton *OKBtn, *BitBtn7;
  // Hears each loan and repayment; may stay null.
  GameEvents* Events = nullptr;

  // Applies amount button 1..6 in the current mode (what a click on it does).
  void AmountClick(int button);
  // Shows the instructions box.
  void BitBtn7Click();
  // Redraws the client-area picture: background, the two captions and the two meters.
  void FormPaint();
  // The client-area picture as last drawn.
  const QImage& Canvas() const { return canvas_; }
  // The picture drawn on amount button 1..6.
  static QPixmap AmountPicture(int button, double ratio = 1);

 protected:
  // An information box with OK; tests replace it to read the text.
  virtual void Inform(const QString& text);
  // Opens the help at a topic; tests replace it.
  virtual void OpenHelp(int topic);
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TGame& game_;
  const TGlyphs& glyphs_;
  QImage canvas_;
};
