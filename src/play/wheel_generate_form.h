// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/wheel_file.h"
#include "play/wheel_generator.h"

#include <QDialog>
#include <QList>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

// The wheel editor's "Generate..." window: the guarantee and the time asked for, the search run
// off the window's thread with its progress shown, and the wheel it found handed back on accept.
// Cancel during a search stops it and keeps the best wheel found so far.
class TWheelGenerateForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 580;

    explicit TWheelGenerateForm(QWidget* parent = nullptr);
    ~TWheelGenerateForm() override;

    // Starting values, each ignored when 0.
    void setRequest(int numbers, int perTicket, int match, int correct);
    WheelMakeRequest request() const;
    bool running() const { return m_worker.joinable(); }
    // Set once the dialog has been accepted.
    const WheelFile& wheel() const { return m_wheel; }

protected:
    void reject() override;

private:
    void GenerateBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();
    void poll();
    void finish();
    // The boxes and the Generate button, in the order of their help contexts.
    QList<QWidget*> inputs() const;
    void setInputsEnabled(bool enabled);

    QSpinBox* Numbers = nullptr;
    QSpinBox* PerTicket = nullptr;
    QSpinBox* Match = nullptr;
    QSpinBox* Correct = nullptr;
    QSpinBox* Seconds = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QLabel* BestLabel = nullptr;
    QPushButton* GenerateBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QTimer* m_timer = nullptr;

    WheelMakeRequest m_request;
    std::thread m_worker;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    std::mutex m_mutex;
    // Written by the search, read by the window's timer.
    WheelMakeProgress m_progress;
    std::optional<WheelFile> m_found;
    QString m_error;
    WheelFile m_wheel;
};
