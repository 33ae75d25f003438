# The note against the same-work baseline: the ratio of each figure, run by
# run (median, with the lowest and highest as the bar), and its target.
#   gnuplot -e "data='plot.dat'; output='plot.png'" plot.gp
set terminal pngcairo size 1200,560 font ",10"
set output output
set ylabel "note / same-work baseline"
set xtics rotate by -35 scale 0
set key top left
set grid ytics
set offsets 0.5, 0.5, 0, 0
set rmargin 10
set title "Tarvissel against the baseline doing the same platform work (interleaved runs under Wine)"
plot data using 1:3:4:5:xtic(2) with yerrorbars pointtype 7 pointsize 1.2 linecolor rgb "#d4a017" title "note/same-work: median, min–max", \
     '' using 1:6 with points pointtype 6 pointsize 1.6 linecolor rgb "#b03030" title "target", \
     1.0 with lines dashtype 2 linecolor rgb "#4a7ab5" title "1.0"
