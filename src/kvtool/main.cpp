#include "KvTool.h"

int main(int argc, char **argv)
{
    return orvanta::KvTool::run(argc, argv);
}
