// The version dialog: product, version, copyright and the own robot's mouse mastery.
#pragma once

#include <string>

namespace match {

// Controls of the version dialog whose text the program sets.
enum VersionControl : int32_t {
    kProductLine = 22001,
    kCopyrightLine = 22002,
    kSpecialBuildLine = 22003,
    kMasteryLine = 22004,
};

class VersionDialogHost {
  public:
    virtual ~VersionDialogHost() = default;
    // Creates and shows the dialog without activating it; its controls hold their first texts
    // ("Version", "", "", "達人度").
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() = 0;
    virtual std::string Text(int32_t control) = 0;
    virtual void SetText(int32_t control, const std::string &text) = 0;
};

class THelpDlg {
  public:
    explicit THelpDlg(VersionDialogHost &host);

    // Command 191: closes the dialog when open; otherwise opens it with the version block's texts
    // and the mastery line "<name> ﾏｳｽ達人度 %06d 点".
    void Toggle(const std::string &robotName, int32_t mastery);

    VersionDialogHost &Host() { return host_; }

  private:
    void FillFromVersionBlock();

    VersionDialogHost &host_;
};

}  // namespace match
