// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and prints how many milliseconds pass until it maps its first top-level
 * window on the X display, then ends it. Used by bench/display_bench.sh and bench/light_bench.sh
 * to compare the windows with a bare Qt window. With --until-exit, it times the program to its
 * end instead (its output goes to /dev/null; no display is needed), so that two commands can be
 * timed in turn, as the maps are. Usage: map_timer [--until-exit] PROGRAM [ARGUMENT...] */
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Times argv[0...] from its start to its end and prints the milliseconds; fails (1) where the
 * program failed. */
static int time_to_exit(char **argv)
{
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execvp(argv[0], argv);
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return 2;
    const double ended = now_ms() - start;
    printf("%.2f\n", ended);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    if (strcmp(argv[1], "--until-exit") == 0)
        return argc < 3 ? 2 : time_to_exit(argv + 2);
    xcb_connection_t *x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x))
        return 2;
    /* Every window mapped on the root is reported; no window manager stands in between. */
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    xcb_generic_event_t *event;
    double mapped = -1;
    while (mapped < 0 && (event = xcb_wait_for_event(x)) != NULL) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
            !((xcb_map_notify_event_t *)event)->override_redirect)
            mapped = now_ms() - start;
        free(event);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    xcb_disconnect(x);
    printf("%.2f\n", mapped);
    return mapped < 0;
}
