// TODO(lead): replaced by the portability layer
// Stand-ins for the layer's alert and open dialog until it lands: the alert
// prints its lines to stderr, the dialog takes a pre-answered name or is
// cancelled. Tests pre-answer and read them back through the same calls the
// layer's test support offers.
#include <cstdio>
#include <string>
#include <vector>

#include "common/common.h"

static std::vector<std::string> pending_answers;   // null entries: cancel
static std::vector<int> pending_cancel;
static std::vector<std::string> alert_lines;       // 4 per alert

void MACIBM_alert(const char *s1, const char *s2, const char *s3, const char *s4)
{
    const char *lines[4] = {s1, s2, s3, s4};
    for (const char *l : lines) {
        fprintf(stderr, "%s\n", l ? l : "");
        alert_lines.push_back(l ? l : "");
    }
}

int MACIBM_open(char *C_file, char *C_path, int file_type)
{
    (void)file_type;
    if (pending_answers.empty())
        return 0;
    std::string name = pending_answers.front();
    int cancel = pending_cancel.front();
    pending_answers.erase(pending_answers.begin());
    pending_cancel.erase(pending_cancel.begin());
    if (cancel)
        return 0;
    C_to_C(name.c_str(), C_path);
    size_t slash = name.rfind('/');
    C_to_C(name.c_str() + (slash == std::string::npos ? 0 : slash + 1), C_file);
    return 1;
}

void test_answer_file_dialog(const char *name)
{
    pending_answers.push_back(name ? name : "");
    pending_cancel.push_back(name == nullptr);
}

void test_reset_layer()
{
    pending_answers.clear();
    pending_cancel.clear();
    alert_lines.clear();
}

int test_alert_count() { return (int)(alert_lines.size() / 4); }

const char *test_alert_line(int n, int line)
{
    size_t k = (size_t)n * 4 + (size_t)line;
    return k < alert_lines.size() ? alert_lines[k].c_str() : "";
}
