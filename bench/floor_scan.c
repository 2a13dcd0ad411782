// SPDX-License-Identifier: GPL-3.0-or-later
/* The floor of the logon scan: the least any program can do with the event file at logon.
 * It reads the file whole, cuts it into lines and fields, reads each date and notice period and
 * counts the lines due today, and nothing else: no moving of dates, no writing, no checks of the
 * other fields. bench/peer_bench.sh times "moonrill whatsup" against it.
 * Usage: floor_scan EVENTS_FILE */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

/* Days since 1970-01-01 of a date in the proleptic Gregorian calendar. */
static long days_from_civil(long y, long m, long d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

/* The start of the next field after position p of [p, end): just past the next "$$". */
static const char *next_field(const char *p, const char *end)
{
    for (; p + 1 < end; ++p)
        if (p[0] == '$' && p[1] == '$')
            return p + 2;
    return NULL;
}

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const int fd = open(argv[1], O_RDONLY);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0)
        return 1;
    char *text = malloc((size_t)info.st_size + 1);
    ssize_t got = 0;
    while (got < info.st_size) {
        const ssize_t n = read(fd, text + got, (size_t)(info.st_size - got));
        if (n <= 0)
            return 1;
        got += n;
    }
    close(fd);
    const time_t now = time(NULL);
    struct tm local;
    localtime_r(&now, &local);
    const long today = days_from_civil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);

    long due = 0;
    const char *end = text + got;
    for (const char *line = text; line < end;) {
        const char *eol = memchr(line, '\n', (size_t)(end - line));
        if (eol == NULL)
            eol = end;
        /* Fields: "", description, date, type, period. */
        const char *date = next_field(line, eol);
        date = date ? next_field(date, eol) : NULL;
        const char *type = date ? next_field(date, eol) : NULL;
        const char *period = type ? next_field(type, eol) : NULL;
        if (period != NULL && type - date >= 12) {
            const long day = days_from_civil(atol(date), atol(date + 5), atol(date + 8));
            const long ahead = day - today;
            if (ahead >= 0 && ahead <= atol(period))
                ++due;
        }
        line = eol + 1;
    }
    printf("%ld\n", due);
    free(text);
    return 0;
}
