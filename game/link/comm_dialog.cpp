// The versus dialog's run: the call and the answer, the exchange of both robots, cancelling and
// the status it paints.
#include "comm_dialog.h"

#include <iterator>
#include <string_view>

#include "handshake.h"
#include "wire_mesh.h"

namespace versus {

TCommDlg::TCommDlg(CommDialogHost &host, platform::LinkPort &port)
    : LinkLine(port, host), host_(host) {}

TCommDlg::~TCommDlg() {
    ClosePort();
}

void TCommDlg::Run(battle::TFream *ownRobot, battle::TFream *peerRobot, int32_t *level,
                   int32_t *view, int32_t *result) {
    ownRobot_ = ownRobot;
    peerRobot_ = peerRobot;
    level_ = level;
    view_ = view;
    result_ = result;
    state = kIdle;
    progress = 0;
    shownPeer_.reset();
    host_.Open();
    SetUp();
    host_.RunModal();
}

// Without a timer nothing is ever sent; the dialog still opens, so the player sees why.
void TCommDlg::SetUp() {
    if (!host_.StartTimer(kTimerMilliseconds)) ShowError(kTimerFailedText);
    host_.ShowCancelButton(true);
    host_.Invalidate();
}

void TCommDlg::OnTimer() {
    if (state == kIdle) {
        Call();
        if (state == kConnected) return;  // the exchange has run and closed the dialog
    }
    host_.Invalidate();
    if (state != kWaiting) return;
    // Whatever fills a read of a call's length is taken as a call; a shorter read is dropped.
    char call[kCallBytes];
    if (ReadAvailable(call, sizeof call) < static_cast<int32_t>(sizeof call)) return;
    Answer();
}

// Calls once: an answer within the read's time-out makes this PC the calling side; anything else
// leaves it waiting to be called, without calling again.
void TCommDlg::Call() {
    if (!OpenPort(device)) {
        host_.StopTimer();
        Fail();
        return;
    }
    Send(kCall, kCallBytes);
    char answer[kAnswerBytes] = {};
    ReadAvailable(answer, sizeof answer);
    std::string_view text(answer, sizeof answer);
    if (!IsAnswer(text)) {
        state = kWaiting;
        return;
    }
    host_.StopTimer();
    state = kConnected;
    std::optional<MatchSettings> settings = ParseAnswer(text);
    if (!settings) {
        Refuse();
        Fail();
        return;
    }
    *view_ = settings->view;
    *level_ = settings->level;
    *result_ = kCalled;
    ExchangeRobots();
}

void TCommDlg::Answer() {
    host_.StopTimer();
    state = kConnected;
    std::string answer = AnswerText(MatchSettings{*level_, *view_});
    Send(answer.data(), answer.size());
    *result_ = kAnswered;
    ExchangeRobots();
}

void TCommDlg::ExchangeRobots() {
    battle::FrameContents arrived;
    if (!ExchangeAll(arrived)) {
        Fail();
        return;
    }
    host_.Close();
    battle::TakeFrame(*peerRobot_, arrived);
}

// The records, then the body, gun and missile meshes; everything the other PC sends is kept in
// arrived until the last mesh is whole.
bool TCommDlg::ExchangeAll(battle::FrameContents &arrived) {
    SetTimeouts(0, 0);
    battle::DefinitionBytes own = battle::EncodeDefinitionRecord(ownRobot_->record);
    Send(own.data(), own.size());
    battle::DefinitionBytes bytes{};
    if (ReadExact(bytes.data(), static_cast<int32_t>(bytes.size())) < 0) return false;
    arrived.record = battle::DecodeDefinitionRecord(bytes);
    if (!battle::IsPlayable(arrived.record)) return Refuse();
    shownPeer_ = arrived.record;
    host_.ShowCancelButton(false);
    host_.Invalidate();
    ShowProgress(1);
    const ObjectData *ownMeshes[] = {&ownRobot_->bodyMesh, &ownRobot_->gun->ProjectileMesh(),
                                     &ownRobot_->missile->ProjectileMesh()};
    ObjectData *peerMeshes[] = {&arrived.body, &arrived.gunProjectile, &arrived.missileProjectile};
    for (size_t i = 0; i < std::size(ownMeshes); ++i) {
        Exchange outcome = ExchangeMesh(*this, *ownMeshes[i], *peerMeshes[i]);
        if (outcome == Exchange::Refused) return Refuse();
        if (outcome == Exchange::LineFailed) return false;
        ShowProgress(static_cast<int32_t>(i) + 2);
    }
    return true;
}

bool TCommDlg::Refuse() {
    ShowError(kRefusedText);
    return false;
}

void TCommDlg::Fail() {
    *result_ = kLinkFailed;
    ClosePort();
    host_.Close();
}

void TCommDlg::ShowProgress(int32_t step) {
    progress = step;
    host_.DrawNow();
}

void TCommDlg::OnCancel() {
    if (state != kWaiting) return;
    state = kIdle;
    ClosePort();
    host_.Close();
    *result_ = kLinkFailed;
}

void TCommDlg::OnPaint(cairo_t *dc) {
    DrawStatusTexts(dc, StatusTextsOf(state, progress, shownPeer_ ? &*shownPeer_ : nullptr));
}

}  // namespace versus
