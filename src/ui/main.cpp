#include "KitApplication.h"

int main(int argc, char **argv)
{
    return orvanta::KitApplication::run(argc, argv);
}
