// The help topics and glossary entries: their numbers, headings, window captions and files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varodex {

struct HelpTopic {
    int number = 0;
    std::string name;       // the heading and the printed title
    std::string file_name;  // the topic's text, in the help folder of the assets
};

// The ten topics in the order of their numbers.
const std::vector<HelpTopic>& help_topics();

// Null for a number that is no topic.
const HelpTopic* find_help_topic(int number);

// " Glossary" up to topic 16; from topic 17 on the window takes the topic's heading.
std::string help_window_caption(int topic_number);

// A text as the text boxes hold it: every line, the last one too, ends with CR LF, whatever
// line ends the file was saved with.
std::string with_crlf_line_ends(std::string_view text);

}  // namespace varodex
