// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: teaching mode, shown or hidden edges, and the vertex count, colour
// count and edge probability of the next puzzles, each fixed or drawn at random. Modeless;
// nothing in it takes effect before OK.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TSpinEdit;

class TOptionsL1 : public QDialog {
    Q_OBJECT

  public:
    // Loads every control from the settings, once, at start-up (after the settings file is read).
    explicit TOptionsL1(QWidget* parent = nullptr);

    // A teaching advance moves the next puzzle's level; the dialog follows the settings the
    // game changed (game::SettingsChange bits) so that a later OK keeps the advance.
    void FollowGameChanges(unsigned changes);

    // The main window's switch for its own tool tips; OK hands it the stored choice.
    std::function<void(bool)> applyToolTips;

    // The key filter shared by the three number fields: whatever typed character is not a
    // digit enters a "1".
    static QChar VertNumSpinEditKeyPress(QChar key);

    QCheckBox* TeachingMode;
    QCheckBox* ShowEdges;
    QCheckBox* RandomNumberOfColors;
    TSpinEdit* NumOfColorsSpinEdit;
    QCheckBox* RandomNumberOfVertices;
    TSpinEdit* VertNumSpinEdit;
    QCheckBox* RandomEdgeProbability;
    TSpinEdit* EdgeNumFactorSpinEdit;
    QCheckBox* ShowToolTips;
    QCheckBox* TimerBoolean;
    QCheckBox* PlayComputer;
    QPushButton* OKBtn;
    QPushButton* BitBtn1;
    QPushButton* HelpBtn;
    QFrame* Bevel1;
    QLabel* Image1;

  public slots:
    void reject() override;  // Escape: Cancel

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void OKBtnClick();
    void BitBtn1Click();
    void HelpBtnClick();
    void TeachingModeClick();
    void RandomNumberOfColorsClick();
    void RandomNumberOfVerticesClick();
    void RandomEdgeProbabilityClick();

    void LoadFromSettings(bool cancelling);
    void ApplyTeachingModeRule();
};
