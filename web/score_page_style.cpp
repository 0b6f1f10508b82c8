#include "web/score_page.h"

QByteArray ScorePageStyle() {
    return R"css(:root { color-scheme: light; --green: #2f6b2f; --line: #d5dcd5; }
* { box-sizing: border-box; }
body { margin: 0; background: #eef3ec; color: #1b1f1b;
  font: 16px/1.4 system-ui, -apple-system, "Segoe UI", "DejaVu Sans", sans-serif; }
main { max-width: 64rem; margin: 0 auto; padding: 1rem; }
h1 { margin: 0.5rem 0; color: var(--green); font-size: 1.8rem; }
.intro { margin: 0 0 1rem; }
form { display: flex; flex-wrap: wrap; gap: 0.75rem; align-items: flex-end; background: #fff;
  border: 1px solid var(--line); border-radius: 8px; padding: 0.75rem; margin-bottom: 1rem; }
label { display: flex; flex-direction: column; font-weight: 600; font-size: 0.9rem; gap: 0.2rem; }
label:first-of-type { flex: 1 1 10rem; }
label:last-of-type { flex: 3 1 20rem; }
input { font: inherit; font-weight: 400; padding: 0.45rem; border: 1px solid #9aa89a;
  border-radius: 4px; width: 100%; }
input[name=code] { font-family: "DejaVu Sans Mono", ui-monospace, monospace; }
button { font: inherit; font-weight: 600; padding: 0.5rem 1.2rem; border: 0; border-radius: 4px;
  background: var(--green); color: #fff; cursor: pointer; }
.message { flex-basis: 100%; margin: 0; padding: 0.5rem 0.75rem; border-radius: 4px; }
.error { background: #fbe3e1; color: #8a1c12; }
.notice { background: #e0f2df; color: #1f4d1f; }
table { width: 100%; border-collapse: collapse; background: #fff; border: 1px solid var(--line); }
th, td { padding: 0.35rem 0.5rem; text-align: left; border-bottom: 1px solid var(--line); }
th { background: var(--green); color: #fff; font-size: 0.85rem; }
td.place, td.total, td.par { text-align: right; font-variant-numeric: tabular-nums; }
td.name { font-weight: 600; overflow-wrap: anywhere; }
td.holes { font-family: "DejaVu Sans Mono", ui-monospace, monospace; font-size: 0.85rem;
  letter-spacing: 0.05em; white-space: nowrap; }
td.holes span + span { margin-left: 0.5em; }
td.date { white-space: nowrap; color: #556055; font-size: 0.9rem; }
tr.new td { background: #fff6c9; }
td.empty { text-align: center; padding: 1.5rem; color: #556055; }
@media (max-width: 44rem) {
  main { padding: 0.5rem; }
  thead { display: none; }
  table, tbody { display: block; border: 0; background: none; }
  tr { display: grid; grid-template-columns: 2.5rem 1fr auto auto; gap: 0 0.5rem;
    background: #fff; border: 1px solid var(--line); border-radius: 6px; margin-bottom: 0.5rem;
    padding: 0.4rem 0.5rem; }
  td { border: 0; padding: 0.1rem 0; }
  td.place { font-weight: 700; text-align: left; }
  td.par::before { content: "par "; color: #556055; font-size: 0.8rem; }
  td.holes { grid-column: 1 / -1; white-space: normal; font-size: 0.8rem; }
  td.holes span { display: inline-block; }
  td.date { grid-column: 1 / -1; font-size: 0.8rem; }
  td.empty { grid-column: 1 / -1; }
}
)css";
}
