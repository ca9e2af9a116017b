#include "shell/help_topics.h"

namespace varodex {

const std::vector<HelpTopic>& help_topics() {
    static const std::vector<HelpTopic> topics = {
        {1, "Instructions", "topic_1.txt"},
        {2, "Absolute Value", "topic_2.txt"},
        {3, "drop remainder", "topic_3.txt"},
        {7, "Browsing", "topic_7.txt"},
        {12, "What Is Algebra?", "topic_12.txt"},
        {16, "Description", "topic_16.txt"},
        {17, "Scoring", "topic_17.txt"},
        {18, "Why Play?", "topic_18.txt"},
        {20, "Hints and Strategies", "topic_20.txt"},
        {21, "Combat! Game Instructions", "topic_21.txt"},
    };
    return topics;
}

const HelpTopic* find_help_topic(int number) {
    for (const HelpTopic& topic : help_topics()) {
        if (topic.number == number) return &topic;
    }
    return nullptr;
}

std::string help_window_caption(int topic_number) {
    const HelpTopic* topic = find_help_topic(topic_number);
    if (topic_number > 16 && topic != nullptr) return topic->name;
    return " Glossary";
}

std::string with_crlf_line_ends(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32 + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            result += c;
        }
    }
    if (result.size() < 2 || result.compare(result.size() - 2, 2, "\r\n") != 0) result += "\r\n";
    return result;
}

}  // namespace varodex
