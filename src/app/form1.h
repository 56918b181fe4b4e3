#pragma once

#include <QWidget>

#include "app/calculatecommand.h"
#include "app/report.h"
#include "model/column.h"

namespace chart {
class TChart;
class THorizLineSeries;
}  // namespace chart

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {

class TClickLabel;

// The main window: the four inputs, the calculate command, the report
// switches, the report and still-output lists, the chart, and the way to the
// information window. Closing it ends the program.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // `informationWindow` is what "Информация" and the version label show.
  explicit TForm1(QWidget& informationWindow);

  // The calculate command "Расчет".
  void Button1Click();
  // The top-down solution of the tray profile for the last calculation;
  // the calculate command runs it itself when the top misses.
  void Button2Click();
  // Shows the information window; when it is already shown nothing changes.
  void Button4Click();

  InputTexts Texts() const;
  // Puts the texts into the four fields, as if typed.
  void SetTexts(const InputTexts& texts);
  ReportSwitches Switches() const;

  QLabel* Label5;
  TClickLabel* Label8;
  QGroupBox* GroupBox1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label6;
  QLabel* Label7;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QPushButton* Button1;
  QListWidget* ListBox1;
  QGroupBox* GroupBox2;
  QListWidget* ListBox2;
  QGroupBox* GroupBox3;
  QCheckBox* CheckBox6;
  QCheckBox* CheckBox7;
  QCheckBox* CheckBox8;
  QCheckBox* CheckBox9;
  QCheckBox* CheckBox10;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  chart::TChart* Chart1;
  chart::THorizLineSeries* Series1;

 private:
  QWidget& informationWindow_;
  model::TColumn column_;
};

}  // namespace app
