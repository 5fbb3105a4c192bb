// The settings record and the user record read from config.xml.
#pragma once

struct SConfig {
    bool fullscreen = false;
    int res_x = 0;
    int res_y = 0;
    int port_proxy = 0;
    bool wireframe = false;
    bool killall = false;
    bool music = false;
};

struct Usuario {
    char usuario[200] = {};
    char senha[200] = {};
    char endereco[250] = {};
};
