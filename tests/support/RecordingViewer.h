// SPDX-License-Identifier: GPL-3.0-or-later
// A help viewer that only writes down what it was asked for, installed for one test's lifetime.
#pragma once

#include <vector>

#include "services/HelpViewer.h"

class RecordingViewer : public help::Viewer {
  public:
    RecordingViewer() { help::SetViewer(this); }
    ~RecordingViewer() override { help::SetViewer(nullptr); }
    RecordingViewer(const RecordingViewer&) = delete;
    RecordingViewer& operator=(const RecordingViewer&) = delete;

    void showContents() override { requests.push_back(help::kContents); }
    void showTopic(int context) override { requests.push_back(context); }

    // Every request in order; the contents page is written as 0.
    std::vector<int> requests;
};
