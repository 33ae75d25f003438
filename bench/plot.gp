# Medians of the note against the baseline, one pair of bars per figure.
#   gnuplot -e "data='plot.dat'; output='plot.png'" plot.gp
set terminal pngcairo size 1200,520 font ",10"
set output output
set style data histograms
set style histogram clustered gap 1
set style fill solid 0.8 border -1
set logscale y
set ylabel "median time (ms, log scale)"
set xtics rotate by -35 scale 0
set key top left
set grid ytics
set title "Tarvissel against the baseline under Wine (interleaved pairs)"
plot data using 2:xtic(1) title "note" linecolor rgb "#d4a017", \
     '' using 3 title "baseline" linecolor rgb "#4a7ab5"
