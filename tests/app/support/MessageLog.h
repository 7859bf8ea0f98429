#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit/ZSystem.h"

// Takes the message boxes while it lives, so that tests read them instead of waiting for a
// user: (text, title) in the order they were shown. Questions are answered Yes unless
// ZSystem::setSinkAnswer says otherwise.
class MessageLog {
  public:
    MessageLog() {
        ZSystem::setMessageSink([this](const ZString& text, const ZString& title) {
            messages.emplace_back(text.str(), title.str());
        });
    }
    ~MessageLog() {
        ZSystem::setMessageSink(nullptr);
        ZSystem::setSinkAnswer(true);
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<std::pair<std::string, std::string>> messages;
};
