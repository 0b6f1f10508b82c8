#include "web/series_par.h"

#include "course/course_table.h"

int SeriesPar() {
    int par = 0;
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        par += CourseTable()[hole].par;
    }
    return par;
}

int HolePar(int hole) {
    return CourseTable()[hole].par;
}
