#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "opening/LinkedFeature.h"
#include "prefs/LinkPreferences.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace orbelle::ui {

class DialogUnits;
struct ControlRow;
class Look;
class MessagePresenter;
class StoreTrouble;

// The link choice: USB, or RS232 with its COM port and rate. Each choice is stored the
// moment it is made; OK tests the chosen link and closes only when it can be used.
class SetProtocolWindow : public QDialog {
  Q_OBJECT

 public:
  // Opens the chosen link as it stands and says whether it can be used.
  using LinkCheck = std::function<LinkCheckResult()>;

  SetProtocolWindow(PreferenceStore& store, LinkPreferences& prefs, MessagePresenter& messages,
                    StoreTrouble& storeTrouble, const Look& look, LinkCheck checkLink);

  // Sets the controls from the in-memory choice; run before each opening.
  void initialise();

 private:
  QGroupBox* addFrame(const DialogUnits& units, const ControlRow& row);
  QRadioButton* addProtocolButton(const DialogUnits& units, QGroupBox& frame, const ControlRow& row,
                                  LinkProtocol protocol);
  QLabel* addLabel(const DialogUnits& units, const ControlRow& row);
  QComboBox* addList(const DialogUnits& units, QLabel& label, const ControlRow& row,
                     const QStringList& entries);
  QAbstractButton* addButton(const DialogUnits& units, const Look& look, const ControlRow& row);

  void onProtocolChosen(LinkProtocol protocol);
  // The stored choice on the radio buttons, and the RS232 group shown with it.
  void showProtocol();
  void updateProtocolTabStop();
  void onComChosen(int entry);
  void onBaudChosen(int entry);
  void onOk();
  void showRs232Group(bool shown);

  PreferenceStore& store_;
  LinkPreferences& prefs_;
  MessagePresenter& messages_;
  StoreTrouble& storeTrouble_;
  LinkCheck checkLink_;
  QRadioButton* usb_ = nullptr;
  QRadioButton* rs232_ = nullptr;
  QButtonGroup* protocols_ = nullptr;
  QComboBox* comList_ = nullptr;
  QComboBox* baudList_ = nullptr;
  std::array<QWidget*, 5> rs232Group_{};
};

}  // namespace orbelle::ui
