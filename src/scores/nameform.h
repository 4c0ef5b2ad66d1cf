// TNameForm: the modal dialog that asks a player who reached the high-score table for a name.
#pragma once

#include <string>

#include "ui/form.h"

namespace murk {

struct Desk;

class TNameForm : public Form {
public:
    explicit TNameForm(Desk& desk);

    Edit* NameEdit = nullptr;
    Image* OkImage = nullptr;

    // Shows the dialog over the high-score window with `defaultText` selected in `colour` and
    // waits until it closes; returns what the edit then holds (possibly empty). Every way of
    // closing accepts the name. Called by InsertResults.
    std::string AskName(const std::string& defaultText, Rgb colour);

    void CloseDialog() { closed_ = true; }

protected:
    bool FormKeyUp(int key) override;
    void FormPaint() override;

private:
    void RunModal();
    Desk& desk_;
    bool closed_ = true;
};

}  // namespace murk
