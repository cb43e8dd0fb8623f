// The versus dialog "対戦モード": finds the other PC on the line, swaps robots with it and tells
// the game which side called. The first copy started waits; the second calls, and the waiting one
// answers with its level and view mode, which the caller takes over.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <string>

#include "battle/definition_record.h"
#include "battle/frame_file.h"
#include "battle/fream.h"
#include "comm_dialog_host.h"
#include "link_line.h"
#include "status_texts.h"

namespace versus {

// How a run of the dialog ended: cancelled or failed, or linked as the answering or calling side.
enum CommResult : int32_t { kLinkFailed = 200, kAnswered = 201, kCalled = 202 };

inline constexpr const char *kTimerFailedText = "タイマー作成エラー";
inline constexpr const char *kRefusedText = "相手側から届いたデータが正しくありません。";

class TCommDlg : public LinkLine {
  public:
    static constexpr uint32_t kTimerMilliseconds = 10;

    // The host and the port outlive the dialog, which leaves the link on the port as it goes.
    TCommDlg(CommDialogHost &host, platform::LinkPort &port);
    // Leaves the link (sending "QUIT") if the port is still open.
    ~TCommDlg() override;

    // Runs the dialog modally; *result then says how it ended. Linked, the peer robot holds the
    // other PC's record and meshes, and on the calling side *level and *view hold the answering
    // side's; the answering side sent its own. Failed or cancelled, the port is closed and the
    // peer robot is as it was. The own robot is only read.
    void Run(battle::TFream *ownRobot, battle::TFream *peerRobot, int32_t *level, int32_t *view,
             int32_t *result);

    // --- Handlers ---
    // Every kTimerMilliseconds: calls once, then waits for a call or an answer.
    void OnTimer();
    // The cancel button or Esc: gives up while waiting; otherwise nothing.
    void OnCancel();
    void OnPaint(cairo_t *dc);

    // The game's port number (1.., or 0 for the network); its owner turns it into device before
    // Run.
    int32_t portNumber = 1;
    std::string device;
    int32_t state = kIdle;
    int32_t progress = 0;

  private:
    void SetUp();
    void Call();
    void Answer();
    void ExchangeRobots();
    bool ExchangeAll(battle::FrameContents &arrived);
    bool Refuse();
    void Fail();
    void ShowProgress(int32_t step);

    CommDialogHost &host_;
    battle::TFream *ownRobot_ = nullptr;
    battle::TFream *peerRobot_ = nullptr;
    int32_t *level_ = nullptr;
    int32_t *view_ = nullptr;
    int32_t *result_ = nullptr;
    // The other PC's record as shown, once it has arrived and been found playable.
    std::optional<battle::DefinitionRecord> shownPeer_;
};

}  // namespace versus
