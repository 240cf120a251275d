#pragma once
// "Рубашка колоды": steps through the selectable card backs with two arrows and stores the choice.

#include <QDialog>
#include <functional>
#include <string>

#include "persist/card_back_model.h"

class QPushButton;

namespace liorna {

class PictureLabel;

class CardBackDialog : public QDialog {
    Q_OBJECT
public:
    // `ok` stores and applies the chosen number; it returns false when that failed (already reported)
    // and the dialog is to stay open. `shown` is the back the preview starts from when line 17 names none.
    CardBackDialog(std::string cardBackChoice, std::string availableBackCount,
                   std::function<bool(const std::string& chosen)> ok, Picture shown = Picture::none(),
                   QWidget* parent = nullptr);

    const CardBackModel& model() const { return model_; }
    PictureLabel* preview() const { return preview_; }
    PictureLabel* rightArrow() const { return right_; }
    PictureLabel* leftArrow() const { return left_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showArrows();
    void showPreview();
    void pressOk();

    CardBackModel model_;
    std::function<bool(const std::string&)> ok_;
    PictureLabel* preview_ = nullptr;
    PictureLabel* right_ = nullptr;
    PictureLabel* left_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace liorna
