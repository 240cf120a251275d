#pragma once
// "Рубашка колоды": steps through the selectable card backs with two arrows and stores the choice.

#include <QDialog>
#include <functional>
#include <string>

#include "persist/card_back_model.h"
#include "ui/event_boundary.h"

class QPushButton;

namespace liorna {

class PictureLabel;

class CardBackDialog : public QDialog {
    Q_OBJECT
public:
    // Steps and hovers change the model, and OK runs `choose` (store and apply the candidate), in the
    // core through `deliver`; when `choose` throws, the boundary reports it and the dialog stays open.
    // The preview starts from the model's table back when line 17 names none.
    CardBackDialog(CardBackModel& model, EventBoundary deliver, std::function<void()> choose,
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
    // Runs a change of the model in the core, then shows the arrows and the preview.
    void handle(const std::function<void()>& event);

    CardBackModel& model_;
    EventBoundary deliver_;
    std::function<void()> choose_;
    PictureLabel* preview_ = nullptr;
    PictureLabel* right_ = nullptr;
    PictureLabel* left_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace liorna
