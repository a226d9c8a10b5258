#pragma once

namespace orvanta {

// kvtool: the kit's command-line companion. Dispatches "kvtool COMMAND ..."
// to the command's class.
class KvTool {
public:
    static int run(int argc, char **argv);
};

} // namespace orvanta
