    3    1    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.5000000E+02  0.1108969E+12                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.7393125E+09  0.7393125E+08  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1478625E+10  0.7393125E+08  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2217937E+10  0.7393125E+08  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2957250E+10  0.7393125E+08  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3696562E+10  0.7393125E+08  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4435875E+10  0.7393125E+08  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5175187E+10  0.7393125E+08  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5914500E+10  0.7393125E+08  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6653812E+10  0.7393125E+08  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7393125E+10  0.7393125E+08  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8132437E+10  0.7393125E+08  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.8871750E+10  0.7393125E+08  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9611062E+10  0.7393125E+08  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1035037E+11  0.7393125E+08  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1108969E+11  0.7393125E+08  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1182900E+11  0.7393125E+08  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1256831E+11  0.7393125E+08  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1330762E+11  0.7393125E+08  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1404694E+11  0.7393125E+08  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1478625E+11  0.7393125E+08  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1552556E+11  0.7393125E+08  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1626487E+11  0.7393125E+08  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1700419E+11  0.7393125E+08  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1774350E+11  0.7393125E+08  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1848281E+11  0.7393125E+08  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1922212E+11  0.7393125E+08  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1996144E+11  0.7393125E+08  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2070075E+11  0.7393125E+08  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2144006E+11  0.7393125E+08  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2217937E+11  0.7393125E+08  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2291869E+11  0.7393125E+08  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2365800E+11  0.7393125E+08  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2439731E+11  0.7393125E+08  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2513662E+11  0.7393125E+08  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2587594E+11  0.7393125E+08  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2661525E+11  0.7393125E+08  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2735456E+11  0.7393125E+08  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2809387E+11  0.7393125E+08  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2883319E+11  0.7393125E+08  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2957250E+11  0.7393125E+08  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3031181E+11  0.7393125E+08  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3105112E+11  0.7393125E+08  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3179044E+11  0.7393125E+08  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3252975E+11  0.7393125E+08  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3326906E+11  0.7393125E+08  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3400837E+11  0.7393125E+08  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3474769E+11  0.7393125E+08  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3548700E+11  0.7393125E+08  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3622631E+11  0.7393125E+08  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3696562E+11  0.7393125E+08  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3770494E+11  0.7393125E+08  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3844425E+11  0.7393125E+08  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3918356E+11  0.7393125E+08  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3992287E+11  0.7393125E+08  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4066219E+11  0.7393125E+08  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4140150E+11  0.7393125E+08  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4214081E+11  0.7393125E+08  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4288012E+11  0.7393125E+08  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4361944E+11  0.7393125E+08  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4435875E+11  0.7393125E+08  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4509806E+11  0.7393125E+08  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4583737E+11  0.7393125E+08  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4657669E+11  0.7393125E+08  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4731600E+11  0.7393125E+08  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4805531E+11  0.7393125E+08  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4879462E+11  0.7393125E+08  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4953394E+11  0.7393125E+08  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5027325E+11  0.7393125E+08  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5101256E+11  0.7393125E+08  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5175187E+11  0.7393125E+08  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5249119E+11  0.7393125E+08  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5323050E+11  0.7393125E+08  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5396981E+11  0.7393125E+08  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5470912E+11  0.7393125E+08  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.5544844E+11  0.7393125E+08  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.5618775E+11  0.7393125E+08  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5692706E+11  0.7393125E+08  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5766637E+11  0.7393125E+08  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5840569E+11  0.7393125E+08  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5914500E+11  0.7393125E+08  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5988431E+11  0.7393125E+08  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.6062362E+11  0.7393125E+08  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6136294E+11  0.7393125E+08  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6210225E+11  0.7393125E+08  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6284156E+11  0.7393125E+08  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6358087E+11  0.7393125E+08  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.6432019E+11  0.7393125E+08  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.6505950E+11  0.7393125E+08  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.6579881E+11  0.7393125E+08  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.6653812E+11  0.7393125E+08  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.6727743E+11  0.7393125E+08  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.6801675E+11  0.7393125E+08  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6875606E+11  0.7393125E+08  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6949537E+11  0.7393125E+08  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7023468E+11  0.7393125E+08  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7097400E+11  0.7393125E+08  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7171331E+11  0.7393125E+08  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7245262E+11  0.7393125E+08  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7319193E+11  0.7393125E+08  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7393125E+11  0.7393125E+08  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7467056E+11  0.7393125E+08  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7540987E+11  0.7393125E+08  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7614918E+11  0.7393125E+08  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.7688850E+11  0.7393125E+08  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.7762781E+11  0.7393125E+08  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.7836712E+11  0.7393125E+08  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.7910643E+11  0.7393125E+08  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7984575E+11  0.7393125E+08  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8058506E+11  0.7393125E+08  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8132437E+11  0.7393125E+08  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8206368E+11  0.7393125E+08  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.8280300E+11  0.7393125E+08  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.8354231E+11  0.7393125E+08  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.8428162E+11  0.7393125E+08  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.8502093E+11  0.7393125E+08  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.8576025E+11  0.7393125E+08  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.8649956E+11  0.7393125E+08  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.8723887E+11  0.7393125E+08  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.8797818E+11  0.7393125E+08  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.8871750E+11  0.7393125E+08  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.8945681E+11  0.7393125E+08  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.9019612E+11  0.7393125E+08  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.9093543E+11  0.7393125E+08  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.9167475E+11  0.7393125E+08  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.9241406E+11  0.7393125E+08  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.9315337E+11  0.7393125E+08  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.9389268E+11  0.7393125E+08  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.9463200E+11  0.7393125E+08  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.9537131E+11  0.7393125E+08  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.9611062E+11  0.7393125E+08  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.9684993E+11  0.7393125E+08  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.9758925E+11  0.7393125E+08  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.9832856E+11  0.7393125E+08  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.9906787E+11  0.7393125E+08  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.9980718E+11  0.7393125E+08  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1005465E+12  0.7393125E+08  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.1012858E+12  0.7393125E+08  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.1020251E+12  0.7393125E+08  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.1027644E+12  0.7393125E+08  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.1035037E+12  0.7393125E+08  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.1042431E+12  0.7393125E+08  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.1049824E+12  0.7393125E+08  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.1057217E+12  0.7393125E+08  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.1064610E+12  0.7393125E+08  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.1072003E+12  0.7393125E+08  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.1079396E+12  0.7393125E+08  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.1086789E+12  0.7393125E+08  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.1094182E+12  0.7393125E+08  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.1101576E+12  0.7393125E+08  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.1108969E+12  0.7393125E+08  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    3                                                                           Line 6 : number of output p-y curves
  0.3600000E+02   17                                                            Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for soft clay
  0.9600000E-02  0.3087500E+02                                                  Line 8(2): y, p, for soft clay
  0.3000000E+00  0.9725015E+02                                                  Line 8(3): y, p, for soft clay
  0.6000000E+00  0.1225275E+03                                                  Line 8(4): y, p, for soft clay
  0.9000000E+00  0.1402590E+03                                                  Line 8(5): y, p, for soft clay
  0.1200000E+01  0.1543750E+03                                                  Line 8(6): y, p, for soft clay
  0.1500000E+01  0.1662954E+03                                                  Line 8(7): y, p, for soft clay
  0.1800000E+01  0.1767153E+03                                                  Line 8(8): y, p, for soft clay
  0.2100000E+01  0.1860329E+03                                                  Line 8(9): y, p, for soft clay
  0.2400000E+01  0.1945003E+03                                                  Line 8(10): y, p, for soft clay
  0.2700000E+01  0.2022885E+03                                                  Line 8(11): y, p, for soft clay
  0.3000000E+01  0.2095191E+03                                                  Line 8(12): y, p, for soft clay
  0.3300000E+01  0.2162824E+03                                                  Line 8(13): y, p, for soft clay
  0.3600000E+01  0.2226473E+03                                                  Line 8(14): y, p, for soft clay
  0.9600000E+01  0.3087500E+03                                                  Line 8(15): y, p, for soft clay
  0.9840000E+01  0.3087500E+03                                                  Line 8(16): y, p, for soft clay
  0.1008000E+02  0.3087500E+03                                                  Line 8(17): y, p, for soft clay
  0.1200000E+03   17                                                            Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for soft clay
  0.4800000E-02  0.6111111E+02                                                  Line 8(2): y, p, for soft clay
  0.1500000E+00  0.1924879E+03                                                  Line 8(3): y, p, for soft clay
  0.3000000E+00  0.2425196E+03                                                  Line 8(4): y, p, for soft clay
  0.4500000E+00  0.2776156E+03                                                  Line 8(5): y, p, for soft clay
  0.6000000E+00  0.3055556E+03                                                  Line 8(6): y, p, for soft clay
  0.7500000E+00  0.3291497E+03                                                  Line 8(7): y, p, for soft clay
  0.9000000E+00  0.3497738E+03                                                  Line 8(8): y, p, for soft clay
  0.1050000E+01  0.3682162E+03                                                  Line 8(9): y, p, for soft clay
  0.1200000E+01  0.3849759E+03                                                  Line 8(10): y, p, for soft clay
  0.1350000E+01  0.4003910E+03                                                  Line 8(11): y, p, for soft clay
  0.1500000E+01  0.4147027E+03                                                  Line 8(12): y, p, for soft clay
  0.1650000E+01  0.4280893E+03                                                  Line 8(13): y, p, for soft clay
  0.1800000E+01  0.4406874E+03                                                  Line 8(14): y, p, for soft clay
  0.4800000E+01  0.6111111E+03                                                  Line 8(15): y, p, for soft clay
  0.4920000E+01  0.6111111E+03                                                  Line 8(16): y, p, for soft clay
  0.5040000E+01  0.6111111E+03                                                  Line 8(17): y, p, for soft clay
  0.2400000E+03   17                                                            Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for static stiff clay with free water
  0.5040000E-01  0.8303615E+03                                                  Line 8(2): y, p, for static stiff clay with free water
  0.1008000E+00  0.1174308E+04                                                  Line 8(3): y, p, for static stiff clay with free water
  0.1512000E+00  0.1368113E+04                                                  Line 8(4): y, p, for static stiff clay with free water
  0.2016000E+00  0.1493960E+04                                                  Line 8(5): y, p, for static stiff clay with free water
  0.2520000E+00  0.1579915E+04                                                  Line 8(6): y, p, for static stiff clay with free water
  0.3024000E+00  0.1637331E+04                                                  Line 8(7): y, p, for static stiff clay with free water
  0.3528000E+00  0.1672697E+04                                                  Line 8(8): y, p, for static stiff clay with free water
  0.4032000E+00  0.1690200E+04                                                  Line 8(9): y, p, for static stiff clay with free water
  0.4536000E+00  0.1692751E+04                                                  Line 8(10): y, p, for static stiff clay with free water
  0.5040000E+00  0.1682481E+04                                                  Line 8(11): y, p, for static stiff clay with free water
  0.5544000E+00  0.1661011E+04                                                  Line 8(12): y, p, for static stiff clay with free water
  0.6048000E+00  0.1629614E+04                                                  Line 8(13): y, p, for static stiff clay with free water
  0.1008000E+01  0.1175476E+04                                                  Line 8(14): y, p, for static stiff clay with free water
  0.1411200E+01  0.7206680E+03                                                  Line 8(15): y, p, for static stiff clay with free water
  0.1814400E+01  0.2658603E+03                                                  Line 8(16): y, p, for static stiff clay with free water
  0.1915200E+01  0.2658603E+03                                                  Line 8(17): y, p, for static stiff clay with free water
    5  141    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.3586775E+00  0.3000000E+06  0.1500000E+05 -0.6686186E+02  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.3399418E+00  0.3897333E+06  0.1458538E+05 -0.7134371E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.3213960E+00  0.4768887E+06  0.1414426E+05 -0.7569581E+02  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.3030823E+00  0.5613074E+06  0.1367747E+05 -0.7990355E+02  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.2850420E+00  0.6428360E+06  0.1318590E+05 -0.8395200E+02  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.2673147E+00  0.7213266E+06  0.1267057E+05 -0.8782585E+02  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.2499386E+00  0.7966379E+06  0.1213256E+05 -0.9150941E+02  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.2329504E+00  0.8686355E+06  0.1157307E+05 -0.9498660E+02  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.2163852E+00  0.9371925E+06  0.1099339E+05 -0.9824091E+02  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.2002764E+00  0.1002190E+07  0.1039490E+05 -0.1012553E+03  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.1846556E+00  0.1063518E+07  0.9779098E+04 -0.1040124E+03  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.1695526E+00  0.1121075E+07  0.9147579E+04 -0.1064941E+03  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1549956E+00  0.1174772E+07  0.8502051E+04 -0.1086818E+03  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.1410105E+00  0.1224527E+07  0.7758129E+04 -0.1392923E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.1276218E+00  0.1269238E+07  0.6916548E+04 -0.1412344E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1148511E+00  0.1308834E+07  0.6064653E+04 -0.1427306E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1027177E+00  0.1343259E+07  0.5205201E+04 -0.1437535E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.9123839E-01  0.1372477E+07  0.4341119E+04 -0.1442739E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.8042740E-01  0.1396467E+07  0.3475515E+04 -0.1442609E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.7029640E-01  0.1415230E+07  0.2611688E+04 -0.1436813E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.6085454E-01  0.1428786E+07  0.1753146E+04 -0.1424993E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.5210840E-01  0.1437177E+07  0.9036211E+03 -0.1406757E+03  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.4406209E-01  0.1440469E+07  0.6709354E+02 -0.1381669E+03  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.3671719E-01  0.1438752E+07 -0.7521800E+03 -0.1349243E+03  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.3007288E-01  0.1432142E+07 -0.2378651E+04 -0.4072327E+03  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.2412593E-01  0.1410837E+07 -0.5173595E+04 -0.5244152E+03  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.1886598E-01  0.1370619E+07 -0.8146920E+04 -0.4666933E+03  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.1427343E-01  0.1313567E+07 -0.1077252E+05 -0.4085055E+03  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.1032051E-01  0.1241776E+07 -0.1304668E+05 -0.3495504E+03  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.6972260E-02  0.1157372E+07 -0.1496265E+05 -0.2891052E+03  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.4187579E-02  0.1062531E+07 -0.1650631E+05 -0.2254486E+03  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1920285E-02  0.9595487E+06 -0.1764351E+05 -0.1536183E+03  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.1202337E-03  0.8510125E+06 -0.1818638E+05 -0.2733744E+02  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.1265427E-02  0.7414715E+06 -0.1788977E+05  0.1262060E+03  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.2290036E-02  0.6364558E+06 -0.1699870E+05  0.1708181E+03  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.3004730E-02  0.5375740E+06 -0.1589570E+05  0.1968488E+03  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.3457659E-02  0.4457657E+06 -0.1466786E+05  0.2124313E+03  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.3693527E-02  0.3615941E+06 -0.1336797E+05  0.2208658E+03  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.3753320E-02  0.2853649E+06 -0.1203348E+05  0.2239650E+03  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.3674159E-02  0.2171914E+06 -0.1069290E+05  0.2228950E+03  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.3489238E-02  0.1570369E+06 -0.9368759E+04  0.2184845E+03  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.3227850E-02  0.1047440E+06 -0.8079213E+04  0.2113642E+03  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.2915458E-02  0.6005765E+05 -0.6839007E+04  0.2020379E+03  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.2573822E-02  0.2264321E+05 -0.5660123E+04  0.1909234E+03  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.2221160E-02 -0.7898539E+04 -0.4552224E+04  0.1783760E+03  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1872344E-02 -0.3201856E+05 -0.3522987E+04  0.1647032E+03  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.1539119E-02 -0.5020848E+05 -0.2578355E+04  0.1501739E+03  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.1230342E-02 -0.6299092E+05 -0.1722765E+04  0.1350229E+03  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.9522383E-03 -0.7091101E+05 -0.9593428E+03  0.1194512E+03  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.7086639E-03 -0.7452912E+05 -0.2901256E+03  0.1036212E+03  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.5013806E-03 -0.7441506E+05  0.2836637E+03  0.8764188E+02  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.3303328E-03 -0.7114407E+05  0.7611820E+03  0.7153088E+02  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1939279E-03 -0.6529625E+05  0.1141102E+04  0.5510900E+02  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.8931828E-04 -0.5746290E+05  0.1384234E+04  0.2593527E+02  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.1268956E-04 -0.4869449E+05  0.1473208E+04  0.3722727E+01  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.4022790E-04 -0.3979088E+05  0.1448610E+04 -0.1192231E+02  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.7376964E-04 -0.3131550E+05  0.1346590E+04 -0.2208436E+02  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.9206265E-04 -0.2363439E+05  0.1196826E+04 -0.2783690E+02  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.9884715E-04 -0.1695484E+05  0.1022761E+04 -0.3018487E+02  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.9737567E-04 -0.1136153E+05  0.8421231E+03 -0.3002765E+02  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.9037183E-04 -0.6848942E+04  0.6676231E+03 -0.2813900E+02  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.8003297E-04 -0.3349189E+04  0.5077264E+03 -0.2515990E+02  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.6806325E-04 -0.7551099E+03  0.3674432E+03 -0.2160118E+02  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.5572585E-04  0.1061345E+04  0.2490811E+03 -0.1785284E+02  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.4390525E-04  0.2235072E+04  0.1529298E+03 -0.1419760E+02  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.3317300E-04  0.2897630E+04  0.7785704E+02 -0.1082665E+02  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.2385172E-04  0.3170359E+04  0.2180904E+02 -0.7856021E+01  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.1607421E-04  0.3160193E+04 -0.1778674E+02 -0.5342571E+01  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.9835519E-05  0.2957619E+04 -0.4371004E+02 -0.3298530E+01  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.5037009E-05  0.2636225E+04 -0.5871874E+02 -0.1704368E+01  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.1522178E-05  0.2253409E+04 -0.6539072E+02 -0.5196246E+00  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.8953799E-06  0.1851833E+04 -0.6602457E+02  0.3083412E+00  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.2411208E-05  0.1461311E+04 -0.6258681E+02  0.8375794E+00  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.3215468E-05  0.1100907E+04 -0.5669427E+02  0.1126601E+01  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.3483652E-05  0.7810337E+03 -0.4962142E+02  0.1231015E+01  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.3371521E-05  0.5054578E+03 -0.4232385E+02  0.1201506E+01  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.3013263E-05  0.2731239E+03 -0.3547071E+02  0.1082874E+01  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.2522011E-05  0.7976678E+02 -0.2673870E+02  0.1827798E+01  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1991916E-05 -0.4779156E+02 -0.1688860E+02  0.1455570E+01  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.1485094E-05 -0.1229482E+03 -0.9239513E+01  0.1094125E+01  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.1038139E-05 -0.1587134E+03 -0.3643939E+01  0.7710658E+00  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.6684687E-06 -0.1667163E+03  0.1707828E+00  0.5005081E+00  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.3799787E-06 -0.1566969E+03  0.2532661E+01  0.2867845E+00  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.1677906E-06 -0.1363494E+03  0.3775948E+01  0.1276447E+00  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03 -0.2199628E-07 -0.1114034E+03  0.4209479E+01  0.1686539E-01  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.6955135E-07 -0.8584757E+02  0.4098840E+01 -0.5374499E-01  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.1192965E-06 -0.6222443E+02  0.3658903E+01 -0.9290072E-01  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.1387421E-06 -0.4194420E+02  0.3053572E+01 -0.1088762E+00  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.1377634E-06 -0.2558249E+02  0.2400139E+01 -0.1089348E+00  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.1243277E-06 -0.1314182E+02  0.1776164E+01 -0.9905661E-01  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.1044926E-06 -0.4266857E+01  0.1227354E+01 -0.8388024E-01  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.8257991E-07  0.1588517E+01  0.7753565E+00 -0.6678554E-01  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.6144070E-07  0.5039574E+01  0.4248256E+00 -0.5005809E-01  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.4275545E-07  0.6688416E+01  0.1693783E+00 -0.3509104E-01  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.2732705E-07  0.7073818E+01 -0.3671819E-02 -0.2259232E-01  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.1534317E-07  0.6645725E+01 -0.1097793E+00 -0.1277685E-01  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.6595355E-08  0.5757503E+01 -0.1647052E+00 -0.5531777E-02  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03  0.6510893E-09  0.4669997E+01 -0.1829505E+00 -0.5500001E-03  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.3019173E-08  0.3562577E+01 -0.1768950E+00  0.2568526E-02  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.4954679E-08  0.2547538E+01 -0.1564548E+00  0.4244863E-02  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.5649689E-08  0.1685251E+01 -0.1290976E+00  0.4874203E-02  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.5524084E-08  0.9983952E+00 -0.1000780E+00  0.4798984E-02  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.4912323E-08  0.4842781E+00 -0.7279009E-01  0.4296997E-02  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.4064747E-08  0.1248411E+00 -0.4915916E-01  0.3579978E-02  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.3156381E-08 -0.1057197E+00 -0.3002258E-01  0.2798884E-02  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.2299495E-08 -0.2355180E+00 -0.1546738E-01  0.2052847E-02  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.1557291E-08 -0.2914082E+00 -0.5110052E-02  0.1399597E-02  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.9569850E-09 -0.2969058E+00  0.1686202E-02  0.8658210E-03  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.5012542E-09 -0.2712266E+00  0.5653199E-02  0.4565114E-03  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03 -0.1775942E-09 -0.2291064E+00  0.7511156E-02  0.1628074E-03  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03  0.3450502E-10 -0.1811195E+00  0.7904060E-02 -0.3183911E-04  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.1584101E-09 -0.1342744E+00  0.7367179E-02 -0.1471215E-03  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03  0.2169318E-09 -0.9272249E-01  0.6317491E-02 -0.2027744E-03  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03  0.2303032E-09 -0.5846816E-01  0.5059202E-02 -0.2166551E-03  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.2152042E-09 -0.3201198E-01  0.3798011E-02 -0.2037421E-03  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.1845174E-09 -0.1288974E-01  0.2659394E-02 -0.1757968E-03  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.1475540E-09 -0.9586651E-04  0.1707607E-02 -0.1414657E-03  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.1105440E-09  0.7605240E-02  0.9632713E-03 -0.1066460E-03  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.7723726E-10  0.1146690E-01  0.4184017E-03 -0.7497716E-04  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.4951419E-10  0.1262911E-01  0.4838299E-04 -0.4836240E-04  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.2794072E-10  0.1204997E-01 -0.1790795E-03 -0.2745842E-04  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
  0.7260000E+03  0.1223486E-10  0.1048202E-01 -0.2977459E-03 -0.1209707E-04  0.7393125E+11 Line 10(122): nodal depth, y, M, V, p, EI
  0.7320000E+03  0.1633096E-11  0.8478329E-02 -0.3389107E-03 -0.1624503E-05  0.7393125E+11 Line 10(123): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.4840237E-11  0.6415948E-02 -0.3292528E-03  0.4843811E-05  0.7393125E+11 Line 10(124): nodal depth, y, M, V, p, EI
  0.7440000E+03 -0.8189396E-11  0.4527788E-02 -0.2899876E-03  0.8244578E-05  0.7393125E+11 Line 10(125): nodal depth, y, M, V, p, EI
  0.7500000E+03 -0.9333799E-11  0.2936322E-02 -0.2368958E-03  0.9452695E-05  0.7393125E+11 Line 10(126): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.9048392E-11  0.1685081E-02 -0.1808838E-03  0.9217943E-05  0.7393125E+11 Line 10(127): nodal depth, y, M, V, p, EI
  0.7620000E+03 -0.7942454E-11  0.7656460E-03 -0.1288132E-03  0.8138936E-05  0.7393125E+11 Line 10(128): nodal depth, y, M, V, p, EI
  0.7680000E+03 -0.6463693E-11  0.1391937E-03 -0.8440927E-04  0.6662375E-05  0.7393125E+11 Line 10(129): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.4917153E-11 -0.2474165E-03 -0.4912874E-04  0.5097800E-05  0.7393125E+11 Line 10(130): nodal depth, y, M, V, p, EI
  0.7800000E+03 -0.3491089E-11 -0.4504998E-03 -0.2291446E-04  0.3640293E-05  0.7393125E+11 Line 10(131): nodal depth, y, M, V, p, EI
  0.7860000E+03 -0.2284392E-11 -0.5225217E-03 -0.4806398E-05  0.2395729E-05  0.7393125E+11 Line 10(132): nodal depth, y, M, V, p, EI
  0.7920000E+03 -0.1332131E-11 -0.5082846E-03  0.6595937E-05  0.1405049E-05  0.7393125E+11 Line 10(133): nodal depth, y, M, V, p, EI
  0.7980000E+03 -0.6273730E-12 -0.4434533E-03  0.1280752E-04  0.6654785E-06  0.7393125E+11 Line 10(134): nodal depth, y, M, V, p, EI
  0.8040000E+03 -0.1385499E-12 -0.3546540E-03  0.1524735E-04  0.1477965E-06  0.7393125E+11 Line 10(135): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.1775784E-12 -0.2605254E-03  0.1511925E-04 -0.1904951E-06  0.7393125E+11 Line 10(136): nodal depth, y, M, V, p, EI
  0.8160000E+03  0.3668467E-12 -0.1732483E-03  0.1336057E-04 -0.3957316E-06  0.7393125E+11 Line 10(137): nodal depth, y, M, V, p, EI
  0.8220000E+03  0.4717537E-12 -0.1002133E-03  0.1063819E-04 -0.5117293E-06  0.7393125E+11 Line 10(138): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.5278630E-12 -0.4559806E-04  0.7375718E-05 -0.5757603E-06  0.7393125E+11 Line 10(139): nodal depth, y, M, V, p, EI
  0.8340000E+03  0.5617688E-12 -0.1170913E-04  0.3800097E-05 -0.6161133E-06  0.7393125E+11 Line 10(140): nodal depth, y, M, V, p, EI
  0.8400000E+03  0.5899729E-12  0.0000000E+00  0.0000000E+00 -0.6505857E-06  0.7393125E+11 Line 10(141): nodal depth, y, M, V, p, EI
   17                                                                           Line 11: Num. points on Ytop vs. pile length curve for load case 1
  0.8400000E+03  0.3586775E+00  0.1440469E+07 -0.1818638E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7980000E+03  0.3610985E+00  0.1431199E+07 -0.1808346E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7560000E+03  0.3577034E+00  0.1437442E+07 -0.1817087E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7140000E+03  0.3622288E+00  0.1434589E+07 -0.1815155E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.6720000E+03  0.3554511E+00  0.1442827E+07 -0.1829723E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.6300000E+03  0.3587186E+00  0.1438528E+07 -0.1823025E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5880000E+03  0.3611332E+00  0.1434612E+07 -0.1819478E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5460000E+03  0.3558300E+00  0.1438374E+07 -0.1826871E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5040000E+03  0.3562266E+00  0.1440796E+07 -0.1830403E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4620000E+03  0.3574928E+00  0.1434283E+07 -0.1821951E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4200000E+03  0.3586794E+00  0.1437419E+07 -0.1827199E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3780000E+03  0.3593662E+00  0.1433205E+07 -0.1821293E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3360000E+03  0.3617800E+00  0.1433478E+07 -0.1820243E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2940000E+03  0.3591522E+00  0.1435160E+07 -0.1803944E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2520000E+03  0.3799795E+00  0.1414845E+07 -0.2083071E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2100000E+03  0.6839430E+00  0.1254398E+07 -0.2647536E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1680000E+03  0.3302441E+01  0.1008590E+07 -0.2360852E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.0000000E+00  0.7171050E-01 -0.1059926E+07  0.1500000E+05 -0.3909863E+02  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.7145244E-01 -0.9706170E+06  0.1475544E+05 -0.4242124E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.7072175E-01 -0.8828114E+06  0.1449107E+05 -0.4570177E+02  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.6956118E-01 -0.7966295E+06  0.1420719E+05 -0.4892439E+02  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.6801271E-01 -0.7121896E+06  0.1390420E+05 -0.5207336E+02  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.6611744E-01 -0.6296070E+06  0.1358258E+05 -0.5513296E+02  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.6391559E-01 -0.5489938E+06  0.1324292E+05 -0.5808741E+02  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.6144641E-01 -0.4704584E+06  0.1288589E+05 -0.6092082E+02  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.5874815E-01 -0.3941047E+06  0.1251228E+05 -0.6361716E+02  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.5585799E-01 -0.3200316E+06  0.1212295E+05 -0.6616022E+02  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.5281199E-01 -0.2483325E+06  0.1171887E+05 -0.6853355E+02  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.4964507E-01 -0.1790945E+06  0.1130111E+05 -0.7072048E+02  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.4639093E-01 -0.1123981E+06  0.1087083E+05 -0.7270404E+02  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.4308207E-01 -0.4831639E+05  0.1037125E+05 -0.9382251E+02  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.3974968E-01  0.1238894E+05  0.9802554E+04 -0.9574363E+02  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.3642333E-01  0.6964719E+05  0.9223297E+04 -0.9734197E+02  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.3313088E-01  0.1233994E+06  0.8635489E+04 -0.9859411E+02  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.2989853E-01  0.1735993E+06  0.8041279E+04 -0.9947576E+02  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.2675071E-01  0.2202138E+06  0.7442967E+04 -0.9996170E+02  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.2371011E-01  0.2632243E+06  0.6843005E+04 -0.1000256E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.2079770E-01  0.3026275E+06  0.6244007E+04 -0.9964016E+02  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.1803264E-01  0.3384363E+06  0.5648757E+04 -0.9877662E+02  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.1543238E-01  0.3706809E+06  0.5060211E+04 -0.9740529E+02  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.1301262E-01  0.3994098E+06  0.4481509E+04 -0.9549563E+02  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1078735E-01  0.4246912E+06  0.3463234E+04 -0.2439292E+03  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.8768875E-02  0.4411808E+06  0.1782844E+04 -0.3162006E+03  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.6965230E-02  0.4462764E+06 -0.1659498E+02 -0.2836125E+03  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.5378895E-02  0.4411512E+06 -0.1619883E+04 -0.2508168E+03  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.4007373E-02  0.4269857E+06 -0.3025917E+04 -0.2178612E+03  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.2843767E-02  0.4049669E+06 -0.4233551E+04 -0.1846835E+03  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.1877355E-02  0.3762896E+06 -0.5240610E+04 -0.1510027E+03  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1094173E-02  0.3421671E+06 -0.6041658E+04 -0.1160134E+03  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.4776060E-03  0.3038597E+06 -0.6621179E+04 -0.7716012E+02  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.8999757E-05  0.2627672E+06 -0.6858879E+04 -0.2073266E+01  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.3316549E-03  0.2215936E+06 -0.6670286E+04  0.6493763E+02  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.5644069E-03  0.1827524E+06 -0.6219655E+04  0.8527275E+02  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.7081697E-03  0.1469766E+06 -0.5675512E+04  0.9610811E+02  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.7803639E-03  0.1146571E+06 -0.5082692E+04  0.1014988E+03  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.7967271E-03  0.8598873E+05 -0.4468683E+04  0.1031707E+03  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.7712190E-03  0.6103243E+05 -0.3852849E+04  0.1021075E+03  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.7159919E-03  0.3975051E+05 -0.3249639E+04  0.9896248E+02  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.6414087E-03  0.2203027E+05 -0.2670110E+04  0.9421391E+02  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.5560981E-03  0.7701200E+04 -0.2122764E+04  0.8823459E+02  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.4670374E-03 -0.3451615E+04 -0.1614076E+04  0.8132799E+02  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.3796576E-03 -0.1167654E+05 -0.1148850E+04  0.7374755E+02  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.2979634E-03 -0.1724627E+05 -0.7304879E+03  0.6570640E+02  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.2246672E-03 -0.2045014E+05 -0.3612292E+03  0.5737982E+02  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.1613289E-03 -0.2158785E+05 -0.5726674E+02  0.4394101E+02  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1085025E-03 -0.2114315E+05  0.1641910E+03  0.2987825E+02  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.6597165E-04 -0.1962232E+05  0.3089192E+03  0.1836447E+02  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.3299562E-04 -0.1743990E+05  0.3918645E+03  0.9283949E+01  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.8511754E-05 -0.1492282E+05  0.4269778E+03  0.2420480E+01  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03  0.8705607E-05 -0.1231825E+05  0.4267340E+03 -0.2501723E+01  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03  0.1992473E-04 -0.9803436E+04  0.4018723E+03 -0.5785528E+01  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03  0.2637019E-04 -0.7496664E+04  0.3613071E+03 -0.7736199E+01  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.2916522E-04 -0.5468213E+04  0.3121675E+03 -0.8643672E+01  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.2929757E-04 -0.3750801E+04  0.2599241E+03 -0.8770789E+01  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.2760351E-04 -0.2349046E+04  0.2085724E+03 -0.8346450E+01  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.2476561E-04 -0.1247705E+04  0.1608451E+03 -0.7562652E+01  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.2132015E-04 -0.4185903E+03  0.1184337E+03 -0.6574476E+01  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1767086E-04  0.1738539E+03  0.8220380E+02 -0.5502161E+01  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.1410623E-04  0.5682160E+03  0.5239362E+02 -0.4434563E+01  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.1081829E-04  0.8029200E+03  0.2878976E+02 -0.3433390E+01  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.7921314E-05  0.9140024E+03  0.1087636E+02 -0.2537744E+01  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.5469405E-05  0.9337038E+03 -0.2042783E+01 -0.1768637E+01  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.3472154E-05  0.8897115E+03 -0.1074831E+02 -0.1133204E+01  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.1908138E-05  0.8049022E+03 -0.1603336E+02 -0.6284817E+00  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.7360594E-06  0.6974479E+03 -0.1865274E+02 -0.2446434E+00  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03 -0.9640423E-07  0.5811695E+03 -0.1928967E+02  0.3233101E-01  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03 -0.6458738E-06  0.4660409E+03 -0.1853705E+02  0.2185438E+00  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03 -0.9684100E-06  0.3587685E+03 -0.1688966E+02  0.3305853E+00  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.1116248E-05  0.2633885E+03 -0.1474470E+02  0.3844013E+00  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.1135831E-05  0.1818405E+03 -0.1240784E+02  0.3945528E+00  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.1066870E-05  0.1144919E+03 -0.1010279E+02  0.3737983E+00  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.9421580E-06  0.6059732E+02 -0.7982604E+01  0.3329296E+00  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.7879387E-06  0.1868672E+02 -0.6141424E+01  0.2807970E+00  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.6246202E-06 -0.1311565E+02 -0.4625625E+01  0.2244692E+00  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.4676882E-06 -0.3683680E+02 -0.2935363E+01  0.3389515E+00  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.3286934E-06 -0.4835480E+02 -0.1197942E+01  0.2401889E+00  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.2132445E-06 -0.5122483E+02 -0.6059084E-02  0.1571054E+00  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.1227390E-06 -0.4843781E+02  0.7387460E+00  0.9116294E-01  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.5581969E-07 -0.4236775E+02  0.1137618E+01  0.4179434E-01  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.9530904E-08 -0.3479206E+02  0.1284581E+01  0.7193338E-02  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03  0.1981628E-07 -0.2695656E+02  0.1260936E+01 -0.1507500E-01  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.3603726E-07 -0.1966310E+02  0.1132817E+01 -0.2763115E-01  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.4268351E-07 -0.1336389E+02  0.9509744E+00 -0.3298319E-01  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.4282237E-07 -0.8251751E+01  0.7519826E+00 -0.3334742E-01  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.3894313E-07 -0.4339915E+01  0.5602599E+00 -0.3056016E-01  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.3295061E-07 -0.1528139E+01  0.3904134E+00 -0.2605531E-01  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.2621398E-07  0.3456832E+00  0.2495905E+00 -0.2088568E-01  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.1964568E-07  0.1467612E+01  0.1396224E+00 -0.1577034E-01  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.1379202E-07  0.2021773E+01  0.5884900E-01 -0.1115413E-01  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.8922833E-08  0.2174336E+01  0.3577278E-02 -0.7269774E-02  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.5112419E-08  0.2065135E+01 -0.3081992E-01 -0.4195958E-02  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.2307599E-08  0.1804828E+01 -0.4913113E-01 -0.1907780E-02  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.3816194E-09  0.1475797E+01 -0.5580784E-01 -0.3177891E-03  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.8257366E-09  0.1135291E+01 -0.5468347E-01  0.6925769E-03  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.1480275E-08  0.8196889E+00 -0.4885441E-01  0.1250445E-02  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.1735676E-08  0.5490832E+00 -0.4067325E-01  0.1476606E-02  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.1723706E-08  0.3316220E+00 -0.3181314E-01  0.1476765E-02  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.1550257E-08  0.1673162E+00 -0.2337045E-01  0.1337466E-02  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.1295335E-08  0.5115519E-01 -0.1598213E-01  0.1125307E-02  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.1015503E-08 -0.2449605E-01 -0.9941309E-02  0.8882997E-03  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.7476000E-09 -0.6816790E-01 -0.5301090E-02  0.6584400E-03  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.5128902E-09 -0.8813426E-01 -0.1961372E-02  0.4547994E-03  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.3210964E-09 -0.9172569E-01  0.2629918E-03  0.2866551E-03  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.1739675E-09 -0.8499530E-01  0.1592011E-02  0.1563512E-03  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.6822598E-10 -0.7263420E-01  0.2246244E-02  0.6172665E-04  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03  0.2147078E-11 -0.5804918E-01  0.2425558E-02 -0.1955426E-05  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03  0.4425373E-10 -0.4353313E-01  0.2297984E-02 -0.4056909E-04  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03  0.6516241E-10 -0.3047651E-01  0.1995894E-02 -0.6012785E-04  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.7123089E-10 -0.1958376E-01  0.1617046E-02 -0.6615485E-04  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03  0.6776327E-10 -0.1107210E-01  0.1228558E-02 -0.6334092E-04  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03  0.5890422E-10 -0.4840442E-02  0.8722950E-03 -0.5541346E-04  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.4768817E-10 -0.6035536E-03  0.5706100E-03 -0.4514822E-04  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.3617823E-10  0.2008014E-02  0.3317602E-03 -0.3446838E-04  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.2564606E-10  0.3378671E-02  0.1545915E-03 -0.2458786E-04  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.1675911E-10  0.3864083E-02  0.3232345E-04 -0.1616815E-04  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.9753720E-11  0.3767347E-02 -0.4458593E-04 -0.9468310E-05  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.4582803E-11  0.3329660E-02 -0.8641946E-04 -0.4476199E-05  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.1033227E-11  0.2730750E-02 -0.1028942E-03 -0.1015392E-05  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
  0.7260000E+03 -0.1186641E-11  0.2095218E-02 -0.1024206E-03  0.1173277E-05  0.7393125E+11 Line 10(122): nodal depth, y, M, V, p, EI
  0.7320000E+03 -0.2386266E-11  0.1501874E-02 -0.9177961E-04  0.2373710E-05  0.7393125E+11 Line 10(123): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.2854569E-11  0.9939462E-03 -0.7608845E-04  0.2856677E-05  0.7393125E+11 Line 10(124): nodal depth, y, M, V, p, EI
  0.7440000E+03 -0.2838882E-11  0.5888349E-03 -0.5894439E-04  0.2858011E-05  0.7393125E+11 Line 10(125): nodal depth, y, M, V, p, EI
  0.7500000E+03 -0.2536468E-11  0.2865977E-03 -0.4266402E-04  0.2568779E-05  0.7393125E+11 Line 10(126): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.2094499E-11  0.7682952E-04 -0.2855644E-04  0.2133746E-05  0.7393125E+11 Line 10(127): nodal depth, y, M, V, p, EI
  0.7620000E+03 -0.1615118E-11 -0.5612566E-04 -0.1718998E-04  0.1655073E-05  0.7393125E+11 Line 10(128): nodal depth, y, M, V, p, EI
  0.7680000E+03 -0.1163067E-11 -0.1294968E-03 -0.8628308E-05  0.1198818E-05  0.7393125E+11 Line 10(129): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.7740733E-12 -0.1597074E-03 -0.2624320E-05  0.8025115E-06  0.7393125E+11 Line 10(130): nodal depth, y, M, V, p, EI
  0.7800000E+03 -0.4628472E-12 -0.1610237E-03  0.1231100E-05  0.4826285E-06  0.7393125E+11 Line 10(131): nodal depth, y, M, V, p, EI
  0.7860000E+03 -0.2300297E-12 -0.1449614E-03  0.3402708E-05  0.2412410E-06  0.7393125E+11 Line 10(132): nodal depth, y, M, V, p, EI
  0.7920000E+03 -0.6779962E-13 -0.1202109E-03  0.4340964E-05  0.7151085E-07  0.7393125E+11 Line 10(133): nodal depth, y, M, V, p, EI
  0.7980000E+03  0.3589510E-13 -0.9288315E-04  0.4441270E-05 -0.3807530E-07  0.7393125E+11 Line 10(134): nodal depth, y, M, V, p, EI
  0.8040000E+03  0.9436139E-13 -0.6692381E-04  0.4025068E-05 -0.1006589E-06  0.7393125E+11 Line 10(135): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.1202399E-12 -0.4458656E-04  0.3336133E-05 -0.1289859E-06  0.7393125E+11 Line 10(136): nodal depth, y, M, V, p, EI
  0.8160000E+03  0.1244074E-12 -0.2689172E-04  0.2546566E-05 -0.1342031E-06  0.7393125E+11 Line 10(137): nodal depth, y, M, V, p, EI
  0.8220000E+03  0.1154804E-12 -0.1402753E-04  0.1768159E-05 -0.1252660E-06  0.7393125E+11 Line 10(138): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.9972274E-13 -0.5672574E-05  0.1066047E-05 -0.1087714E-06  0.7393125E+11 Line 10(139): nodal depth, y, M, V, p, EI
  0.8340000E+03  0.8120293E-13 -0.1233251E-05  0.4725576E-06 -0.8905836E-07  0.7393125E+11 Line 10(140): nodal depth, y, M, V, p, EI
  0.8400000E+03  0.6208259E-13  0.0000000E+00  0.0000000E+00 -0.6846085E-07  0.7393125E+11 Line 10(141): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.0000000E+00  0.2180128E+00 -0.3273541E+06  0.1500000E+05 -0.5663808E+02  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.2081125E+00 -0.2378786E+06  0.1464835E+05 -0.6057932E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.1980964E+00 -0.1505781E+06  0.1427335E+05 -0.6442010E+02  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.1880069E+00 -0.6559311E+05  0.1387565E+05 -0.6814617E+02  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.1778855E+00  0.1694023E+05  0.1345598E+05 -0.7174297E+02  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.1677723E+00  0.9689041E+05  0.1301517E+05 -0.7519565E+02  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.1577063E+00  0.1741312E+06  0.1255411E+05 -0.7848904E+02  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.1477251E+00  0.2485421E+06  0.1207382E+05 -0.8160763E+02  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.1378649E+00  0.3200091E+06  0.1157539E+05 -0.8453555E+02  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.1281606E+00  0.3884251E+06  0.1106002E+05 -0.8725653E+02  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.1186454E+00  0.4536903E+06  0.1052899E+05 -0.8975389E+02  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.1093511E+00  0.5157134E+06  0.9983693E+04 -0.9201048E+02  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1003079E+00  0.5744115E+06  0.9425636E+04 -0.9400870E+02  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.9154444E-01  0.6297114E+06  0.8781771E+04 -0.1206128E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.8308761E-01  0.6806538E+06  0.8052702E+04 -0.1224101E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.7496221E-01  0.7271729E+06  0.7314039E+04 -0.1238111E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.6719090E-01  0.7692171E+06  0.6568235E+04 -0.1247902E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.5979415E-01  0.8067501E+06  0.5817903E+04 -0.1253205E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.5279024E-01  0.8397520E+06  0.5065820E+04 -0.1253737E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.4619524E-01  0.8682199E+06  0.4314940E+04 -0.1249195E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.4002301E-01  0.8921696E+06  0.3568405E+04 -0.1239256E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.3428521E-01  0.9116363E+06  0.2829558E+04 -0.1223569E+03  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.2899132E-01  0.9266759E+06  0.2101961E+04 -0.1201754E+03  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.2414866E-01  0.9373666E+06  0.1389417E+04 -0.1173392E+03  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1976245E-01  0.9438103E+06  0.4700799E+02 -0.3301303E+03  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.1583581E-01  0.9383464E+06 -0.2218018E+04 -0.4248783E+03  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.1236610E-01  0.9175639E+06 -0.4626207E+04 -0.3778514E+03  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.9343174E-02  0.8831565E+06 -0.6751317E+04 -0.3305186E+03  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.6750296E-02  0.8368289E+06 -0.8590998E+04 -0.2827084E+03  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.4564902E-02  0.7803034E+06 -0.1014095E+05 -0.2339419E+03  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.2759469E-02  0.7153371E+06 -0.1139185E+05 -0.1830254E+03  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1302361E-02  0.6437644E+06 -0.1232051E+05 -0.1265268E+03  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.1587272E-03  0.5676210E+06 -0.1280836E+05 -0.3608967E+02  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.7085101E-03  0.4901646E+06 -0.1263337E+05  0.9441780E+02  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.1337067E-02  0.4160953E+06 -0.1195858E+05  0.1305137E+03  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.1763011E-02  0.3467144E+06 -0.1111470E+05  0.1507780E+03  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.2020126E-02  0.2827530E+06 -0.1017526E+05  0.1623692E+03  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.2139558E-02  0.2246301E+06 -0.9183862E+04  0.1680974E+03  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.2149609E-02  0.1725532E+06 -0.8171098E+04  0.1694907E+03  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.2075637E-02  0.1265737E+06 -0.7160035E+04  0.1675302E+03  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.1940031E-02  0.8662226E+05 -0.6168703E+04  0.1629138E+03  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.1762246E-02  0.5253360E+05 -0.5211441E+04  0.1561736E+03  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.1558879E-02  0.2406591E+05 -0.4299711E+04  0.1477363E+03  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.1343795E-02  0.9161394E+03 -0.3442636E+04  0.1379556E+03  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.1128264E-02 -0.1726725E+05 -0.2647371E+04  0.1271325E+03  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.9211410E-03 -0.3087345E+05 -0.1919396E+04  0.1155258E+03  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.7290517E-03 -0.4031996E+05 -0.1262743E+04  0.1033586E+03  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.5565957E-03 -0.4604459E+05 -0.6802106E+03  0.9081887E+02  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.4065607E-03 -0.4849862E+05 -0.1735918E+03  0.7805408E+02  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.2801415E-03 -0.4814151E+05  0.2560309E+03  0.6515350E+02  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.1771642E-03 -0.4543771E+05  0.6010371E+03  0.4984855E+02  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.9631242E-04 -0.4093826E+05  0.8327476E+03  0.2738828E+02  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.3539502E-04 -0.3545183E+05  0.9454267E+03  0.1017144E+02  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03  0.8259503E-05 -0.2959837E+05  0.9687461E+03 -0.2398305E+01  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03  0.3750143E-04 -0.2383052E+05  0.9285459E+03 -0.1100176E+02  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.5513934E-04 -0.1845816E+05  0.8465158E+03 -0.1634160E+02  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.6378926E-04 -0.1367365E+05  0.7402014E+03 -0.1909654E+02  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.6578095E-04 -0.9576276E+04  0.6232414E+03 -0.1989013E+02  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.6310958E-04 -0.6194717E+04  0.5057559E+03 -0.1927172E+02  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.5742175E-04 -0.3506788E+04  0.3948194E+03 -0.1770710E+02  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.5002634E-04 -0.1456229E+04  0.2949682E+03 -0.1557666E+02  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.4192183E-04  0.3360551E+02  0.2087014E+03 -0.1317893E+02  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.3383369E-04  0.1048998E+04  0.1369513E+03 -0.1073777E+02  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.2625634E-04  0.1677805E+04  0.7950284E+02 -0.8411722E+01  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.1949598E-04  0.2003749E+04  0.3535448E+02 -0.6304400E+01  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.1371133E-04  0.2102686E+04  0.3016413E+01 -0.4474955E+01  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.8950553E-05  0.2040473E+04 -0.1925256E+02 -0.2948036E+01  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.5183364E-05  0.1872081E+04 -0.3326504E+02 -0.1722790E+01  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.2327763E-05  0.1641624E+04 -0.4077539E+02 -0.7806598E+00  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.2715324E-06  0.1383022E+04 -0.4339300E+02 -0.9187818E-01  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03 -0.1111251E-05  0.1121079E+04 -0.4253060E+02  0.3793467E+00  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.1948137E-05  0.8727659E+03 -0.3937992E+02  0.6708782E+00  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.2360039E-05  0.6485828E+03 -0.3490787E+02  0.8198047E+00  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.2456121E-05  0.4538969E+03 -0.2986681E+02  0.8605490E+00  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.2331183E-05  0.2901796E+03 -0.2481386E+02  0.8237682E+00  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.2064945E-05  0.1561110E+03 -0.2013491E+02  0.7358828E+00  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.1722691E-05  0.4853030E+02 -0.1607001E+02  0.6190821E+00  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.1356806E-05 -0.3676460E+02 -0.1126278E+02  0.9833290E+00  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1008822E-05 -0.8665875E+02 -0.6101237E+01  0.7371851E+00  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.7030364E-06 -0.1100121E+03 -0.2335821E+01  0.5179539E+00  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.4508198E-06 -0.1147165E+03  0.2225643E+00  0.3348411E+00  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.2544630E-06 -0.1073638E+03  0.1798666E+01  0.1905262E+00  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.1103859E-06 -0.9314953E+02  0.2620182E+01  0.8331245E-01  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.1166686E-07 -0.7593375E+02  0.2896746E+01  0.8875431E-02  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.5007705E-07 -0.5839660E+02  0.2808184E+01 -0.3839599E-01  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.8338539E-07 -0.4224029E+02  0.2499691E+01 -0.6443508E-01  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.9612528E-07 -0.2840261E+02  0.2081816E+01 -0.7485644E-01  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.9503484E-07 -0.1725908E+02  0.1633515E+01 -0.7457748E-01  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.8554028E-07 -0.8799909E+01  0.1206862E+01 -0.6763998E-01  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.7176071E-07 -0.2775567E+01  0.8324188E+00 -0.5717450E-01  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.5662960E-07  0.1190562E+01  0.5245190E+00 -0.4545875E-01  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.4207822E-07  0.3520146E+01  0.2860520E+00 -0.3403027E-01  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.2924094E-07  0.4624555E+01  0.1124900E+00 -0.2382372E-01  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.1865554E-07  0.4871197E+01 -0.4915071E-02 -0.1531131E-01  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.1044211E-07  0.4566514E+01 -0.7674768E-01 -0.8632890E-02  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.4452291E-08  0.3950935E+01 -0.1137691E+00 -0.3707593E-02  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.3863387E-09  0.3201787E+01 -0.1258640E+00 -0.3240371E-03  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.2120539E-08  0.2440895E+01 -0.1214622E+00  0.1791301E-02  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.3438850E-08  0.1744431E+01 -0.1073116E+00  0.2925562E-02  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.3907730E-08  0.1153245E+01 -0.8849126E-01  0.3347902E-02  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.3815049E-08  0.6825550E+00 -0.6857339E-01  0.3291389E-02  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.3390006E-08  0.3303385E+00 -0.4986413E-01  0.2945028E-02  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.2804109E-08  0.8413487E-01 -0.3367046E-01  0.2452861E-02  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.2177243E-08 -0.7376776E-01 -0.2055914E-01  0.1917581E-02  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.1586297E-08 -0.1626357E+00 -0.1058650E-01  0.1406630E-02  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.1074545E-08 -0.2008609E+00 -0.3488751E-02  0.9592874E-03  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.6605998E-09 -0.2045470E+00  0.1170231E-02  0.5937063E-03  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.3462566E-09 -0.1868546E+00  0.3891164E-02  0.3132716E-03  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.1229001E-09 -0.1578799E+00  0.5166769E-02  0.1119298E-03  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03  0.2357848E-10 -0.1248719E+00  0.5437712E-02 -0.2161529E-04  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03  0.1092521E-09 -0.9263894E-01  0.5070433E-02 -0.1008111E-03  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.1498163E-09 -0.6403297E-01  0.4350579E-02 -0.1391401E-03  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03  0.1592002E-09 -0.4043448E-01  0.3486727E-02 -0.1488106E-03  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03  0.1488951E-09 -0.2219219E-01  0.2620082E-02 -0.1400713E-03  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.1277837E-09 -0.8991931E-02  0.1836934E-02 -0.1209778E-03  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.1022939E-09 -0.1466507E-03  0.1181623E-02 -0.9745927E-04  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.7673255E-10  0.5190100E-02  0.6685461E-03 -0.7356644E-04  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.5369851E-10  0.7878332E-02  0.2924317E-03 -0.5180501E-04  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.3450074E-10  0.8701392E-02  0.3654313E-04 -0.3349119E-04  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.1954001E-10  0.8318558E-02 -0.1211869E-03 -0.1908548E-04  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.8629914E-11  0.7248443E-02 -0.2038861E-03 -0.8480947E-05  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
  0.7260000E+03  0.1249364E-11  0.5872838E-02 -0.2330349E-03 -0.1235294E-05  0.7393125E+11 Line 10(122): nodal depth, y, M, V, p, EI
  0.7320000E+03 -0.3271472E-11  0.4452620E-02 -0.2269780E-03  0.3254258E-05  0.7393125E+11 Line 10(123): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.5624153E-11  0.3149446E-02 -0.2003303E-03  0.5628306E-05  0.7393125E+11 Line 10(124): nodal depth, y, M, V, p, EI
  0.7440000E+03 -0.6443247E-11  0.2048815E-02 -0.1639854E-03  0.6486664E-05  0.7393125E+11 Line 10(125): nodal depth, y, M, V, p, EI
  0.7500000E+03 -0.6264694E-11  0.1181654E-02 -0.1254919E-03  0.6344495E-05  0.7393125E+11 Line 10(126): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.5510746E-11  0.5428658E-03 -0.8961639E-04  0.5614008E-05  0.7393125E+11 Line 10(127): nodal depth, y, M, V, p, EI
  0.7620000E+03 -0.4492457E-11  0.1061687E-03 -0.5896358E-04  0.4603593E-05  0.7393125E+11 Line 10(128): nodal depth, y, M, V, p, EI
  0.7680000E+03 -0.3422469E-11 -0.1648016E-03 -0.3456980E-04  0.3527670E-05  0.7393125E+11 Line 10(129): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.2432730E-11 -0.3087718E-03 -0.1642047E-04  0.2522105E-05  0.7393125E+11 Line 10(130): nodal depth, y, M, V, p, EI
  0.7800000E+03 -0.1593345E-11 -0.3619387E-03 -0.3869831E-05  0.1661441E-05  0.7393125E+11 Line 10(131): nodal depth, y, M, V, p, EI
  0.7860000E+03 -0.9302006E-12 -0.3552849E-03  0.4041104E-05  0.9755370E-06  0.7393125E+11 Line 10(132): nodal depth, y, M, V, p, EI
  0.7920000E+03 -0.4400586E-12 -0.3135031E-03  0.8360155E-05  0.4641467E-06  0.7393125E+11 Line 10(133): nodal depth, y, M, V, p, EI
  0.7980000E+03 -0.1025736E-12 -0.2550044E-03  0.1007901E-04  0.1088038E-06  0.7393125E+11 Line 10(134): nodal depth, y, M, V, p, EI
  0.8040000E+03  0.1107399E-12 -0.1925826E-03  0.1005103E-04 -0.1181305E-06  0.7393125E+11 Line 10(135): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.2302774E-12 -0.1344088E-03  0.8955553E-05 -0.2470274E-06  0.7393125E+11 Line 10(136): nodal depth, y, M, V, p, EI
  0.8160000E+03  0.2843660E-12 -0.8512464E-04  0.7294201E-05 -0.3067565E-06  0.7393125E+11 Line 10(137): nodal depth, y, M, V, p, EI
  0.8220000E+03  0.2970042E-12 -0.4688168E-04  0.5407416E-05 -0.3221718E-06  0.7393125E+11 Line 10(138): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.2868138E-12 -0.2023577E-04  0.3502384E-05 -0.3128388E-06  0.7393125E+11 Line 10(139): nodal depth, y, M, V, p, EI
  0.8340000E+03  0.2667699E-12 -0.4851563E-05  0.1686137E-05 -0.2925768E-06  0.7393125E+11 Line 10(140): nodal depth, y, M, V, p, EI
  0.8400000E+03  0.2443635E-12  0.0000000E+00  0.0000000E+00 -0.2694690E-06  0.7393125E+11 Line 10(141): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 3
  0.0000000E+00  0.3000000E+00  0.0000000E+00  0.1533217E+05 -0.6299605E+02  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.2850903E+00  0.9160459E+05  0.1494135E+05 -0.6727872E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.2702253E+00  0.1807849E+06  0.1452518E+05 -0.7144360E+02  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.2554483E+00  0.2673889E+06  0.1408442E+05 -0.7547622E+02  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.2408015E+00  0.3512692E+06  0.1361991E+05 -0.7936178E+02  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.2263257E+00  0.4322839E+06  0.1313257E+05 -0.8308513E+02  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.2120604E+00  0.5102970E+06  0.1262342E+05 -0.8663077E+02  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.1980436E+00  0.5851791E+06  0.1209358E+05 -0.8998281E+02  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.1843118E+00  0.6568074E+06  0.1154426E+05 -0.9312495E+02  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.1708998E+00  0.7250673E+06  0.1097676E+05 -0.9604046E+02  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.1578408E+00  0.7898521E+06  0.1039250E+05 -0.9871211E+02  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.1451665E+00  0.8510640E+06  0.9792999E+04 -0.1011222E+03  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1329066E+00  0.9086148E+06  0.9179875E+04 -0.1032525E+03  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.1210891E+00  0.9624264E+06  0.8472925E+04 -0.1323977E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.1097402E+00  0.1011448E+07  0.7672818E+04 -0.1343045E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.9888391E-01  0.1055610E+07  0.6862550E+04 -0.1357850E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.8854160E-01  0.1094859E+07  0.6044758E+04 -0.1368122E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.7873242E-01  0.1129155E+07  0.5222248E+04 -0.1373579E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.6947307E-01  0.1158479E+07  0.4397997E+04 -0.1373922E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.6077782E-01  0.1182829E+07  0.3575172E+04 -0.1368829E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.5265854E-01  0.1202222E+07  0.2757136E+04 -0.1357957E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.4512467E-01  0.1216697E+07  0.1947471E+04 -0.1340929E+03  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.3818326E-01  0.1226315E+07  0.1149992E+04 -0.1317333E+03  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.3183898E-01  0.1231161E+07  0.3687792E+03 -0.1286711E+03  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.2609421E-01  0.1231345E+07 -0.1155318E+04 -0.3793614E+03  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.2094903E-01  0.1217842E+07 -0.3759521E+04 -0.4887063E+03  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.1639686E-01  0.1186716E+07 -0.6531017E+04 -0.4351255E+03  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.1242255E-01  0.1139896E+07 -0.8979841E+04 -0.3811491E+03  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.9003300E-02  0.1079327E+07 -0.1110291E+05 -0.3265400E+03  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.6109616E-02  0.1006977E+07 -0.1289463E+05 -0.2706992E+03  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.3706268E-02  0.9248567E+06 -0.1434328E+05 -0.2121843E+03  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1753269E-02  0.8350754E+06 -0.1542056E+05 -0.1469101E+03  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.2069008E-03  0.7399850E+06 -0.1600242E+05 -0.4704286E+02  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.9791400E-03  0.6431830E+06 -0.1581098E+05  0.1108553E+03  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.1851990E-02  0.5503561E+06 -0.1501791E+05  0.1535014E+03  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.2456850E-02  0.4630419E+06 -0.1402369E+05  0.1779048E+03  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.2836237E-02  0.3821211E+06 -0.1291304E+05  0.1923122E+03  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.3029555E-02  0.3081141E+06 -0.1173625E+05  0.1999523E+03  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.3072840E-02  0.2412979E+06 -0.1052867E+05  0.2025738E+03  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.2998627E-02  0.1817685E+06 -0.9317066E+04  0.2012937E+03  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.2835904E-02  0.1294813E+06 -0.8122476E+04  0.1969027E+03  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.2610132E-02  0.8427939E+05 -0.6961764E+04  0.1900014E+03  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.2343321E-02  0.4591549E+05 -0.5848553E+04  0.1810691E+03  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.2054152E-02  0.1406896E+05 -0.4793837E+04  0.1705029E+03  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.1758132E-02 -0.1163981E+05 -0.3806408E+04  0.1586399E+03  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1467780E-02 -0.3163726E+05 -0.2893174E+04  0.1457715E+03  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.1192833E-02 -0.4638617E+05 -0.2059405E+04  0.1321515E+03  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.9404736E-03 -0.5637649E+05 -0.1308952E+04  0.1179995E+03  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.7155661E-03 -0.6211745E+05 -0.6444534E+03  0.1034999E+03  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.5209060E-03 -0.6413090E+05 -0.6757019E+02  0.8879448E+02  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.3574737E-03 -0.6294620E+05  0.4206948E+03  0.7396051E+02  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.2246924E-03 -0.5909738E+05  0.8194400E+03  0.5895458E+02  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1206879E-03 -0.5312476E+05  0.1100350E+04  0.3468198E+02  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.4255193E-04 -0.4590229E+05  0.1241463E+04  0.1235577E+02  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03  0.1323245E-04 -0.3823390E+05  0.1266884E+04 -0.3881992E+01  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.5039925E-04 -0.3070432E+05  0.1210428E+04 -0.1493678E+02  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.7261493E-04 -0.2371173E+05  0.1100402E+04 -0.2173867E+02  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.8328444E-04 -0.1750115E+05  0.9596376E+03 -0.2518265E+02  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.8543196E-04 -0.1219672E+05  0.8058248E+03 -0.2608829E+02  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.8164043E-04 -0.7831169E+04  0.6520338E+03 -0.2517539E+02  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.7403559E-04 -0.4371743E+04  0.5073505E+03 -0.2305240E+02  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.6430198E-04 -0.1742097E+04  0.3775496E+03 -0.2021456E+02  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.5372008E-04  0.1598677E+03  0.2657586E+03 -0.1704909E+02  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.4321602E-04  0.1448061E+04  0.1730761E+03 -0.1384508E+02  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.3341708E-04  0.2237796E+04  0.9912272E+02 -0.1080605E+02  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.2470781E-04  0.2638459E+04  0.4251297E+02 -0.8063866E+01  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.1728330E-04  0.2748759E+04  0.1243614E+01 -0.5692587E+01  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.1119728E-04  0.2654058E+04 -0.2699904E+02 -0.3721630E+01  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.6403618E-05  0.2425314E+04 -0.4460665E+02 -0.2147576E+01  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.2790937E-05  0.2119198E+04 -0.5388248E+02 -0.9443668E+00  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.2101756E-06  0.1779034E+04 -0.5693083E+02 -0.7174747E-01  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.1504305E-05  0.1436243E+04 -0.5559196E+02  0.5180361E+00  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.2519422E-05  0.1112067E+04 -0.5141234E+02  0.8751695E+00  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.2993031E-05  0.8193696E+03 -0.4564084E+02  0.1048666E+01  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.3067657E-05  0.5644043E+03 -0.3924280E+02  0.1084015E+01  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.2867452E-05  0.3484498E+03 -0.3292514E+02  0.1021871E+01  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.2497574E-05  0.1692742E+03 -0.2716687E+02  0.8975509E+00  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.2045269E-05  0.2240626E+02 -0.2002736E+02  0.1482285E+01  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1582054E-05 -0.7109994E+02 -0.1211230E+02  0.1156068E+01  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.1153461E-05 -0.1229860E+03 -0.6094704E+01  0.8497986E+00  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.7847536E-06 -0.1442763E+03 -0.1796709E+01  0.5828665E+00  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.4863003E-06 -0.1445798E+03  0.1044225E+01  0.3641116E+00  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.2582485E-06 -0.1317719E+03  0.2721291E+01  0.1949101E+00  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.9436166E-07 -0.1119439E+03  0.3521374E+01  0.7178453E-01  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.1501536E-07 -0.8952904E+02  0.3702189E+01 -0.1151285E-01  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.8079721E-07 -0.6752643E+02  0.3480346E+01 -0.6243510E-01  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.1136978E-06 -0.4776983E+02  0.3027418E+01 -0.8854084E-01  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.1233374E-06 -0.3119954E+02  0.2471432E+01 -0.9678760E-01  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.1177848E-06 -0.1811285E+02  0.1901659E+01 -0.9313693E-01  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.1034123E-06 -0.8378641E+01  0.1375070E+01 -0.8239251E-01  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.8495988E-07 -0.1610361E+01  0.9232913E+00 -0.6820055E-01  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.6572334E-07  0.2702738E+01  0.5592307E+00 -0.5315298E-01  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.4780287E-07  0.5102265E+01  0.2829313E+00 -0.3894683E-01  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.3236689E-07  0.6099582E+01  0.8639657E-01 -0.2656474E-01  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.1990103E-07  0.6140419E+01 -0.4265649E-01 -0.1645294E-01  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.1042518E-07  0.5588801E+01 -0.1180597E+00 -0.8681448E-02  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.3670739E-08  0.4724514E+01 -0.1533404E+00 -0.3078790E-02  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.7831540E-09  0.3749277E+01 -0.1605921E+00  0.6615602E-03  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.3411379E-08  0.2797764E+01 -0.1499008E+00  0.2902190E-02  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.4677263E-08  0.1950661E+01 -0.1291727E+00  0.4007190E-02  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.4993295E-08  0.1247771E+01 -0.1042274E+00  0.4307907E-02  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.4701738E-08  0.6999341E+00 -0.7904992E-01  0.4084580E-02  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.4069357E-08  0.2991254E+00 -0.5611731E-01  0.3559622E-02  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.3291320E-08  0.2645577E-01 -0.3674207E-01  0.2898791E-02  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.2500400E-08 -0.1418580E+00 -0.2139410E-01  0.2217201E-02  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.1778557E-08 -0.2303490E+00 -0.9979138E-02  0.1587786E-02  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.1168879E-08 -0.2616742E+00 -0.2064232E-02  0.1050516E-02  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.6866210E-09 -0.2551744E+00  0.2950955E-02  0.6212123E-03  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.3286172E-09 -0.2263048E+00  0.5712444E-02  0.2992842E-03  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03 -0.8080993E-10 -0.1866554E+00  0.6832542E-02  0.7408156E-04  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03  0.7610755E-10 -0.1443345E+00  0.6844105E-02 -0.7022736E-04  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.1627430E-09 -0.1045383E+00  0.6179986E-02 -0.1511456E-03  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03  0.1984746E-09 -0.7018079E-01  0.5169983E-02 -0.1855218E-03  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03  0.2000325E-09 -0.4250036E-01  0.4048883E-02 -0.1881782E-03  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.1808953E-09 -0.2159331E-01  0.2970567E-02 -0.1712605E-03  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.1512435E-09 -0.6851115E-02  0.2024499E-02 -0.1440955E-03  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.1182556E-09  0.2703809E-02  0.1252084E-02 -0.1133762E-03  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.8658434E-10  0.8177124E-02  0.6613615E-03 -0.8353122E-04  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.5889480E-10  0.1064312E-01  0.2392535E-03 -0.5717144E-04  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.3638782E-10  0.1105068E-01 -0.3888491E-04 -0.3554138E-04  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.1926184E-10  0.1017848E-01 -0.2022971E-03 -0.1892935E-04  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
  0.7260000E+03  0.7092156E-11  0.8624576E-02 -0.2801220E-03 -0.7012287E-05  0.7393125E+11 Line 10(122): nodal depth, y, M, V, p, EI
  0.7320000E+03 -0.8778849E-12  0.6818022E-02 -0.2985390E-03  0.8732657E-06  0.7393125E+11 Line 10(123): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.5527966E-11  0.5042739E-02 -0.2793231E-03  0.5532048E-05  0.7393125E+11 Line 10(124): nodal depth, y, M, V, p, EI
  0.7440000E+03 -0.7722542E-11  0.3466487E-02 -0.2394032E-03  0.7774579E-05  0.7393125E+11 Line 10(125): nodal depth, y, M, V, p, EI
  0.7500000E+03 -0.8229150E-11  0.2170035E-02 -0.1910776E-03  0.8333976E-05  0.7393125E+11 Line 10(126): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.7679085E-11  0.1173554E-02 -0.1426067E-03  0.7822978E-05  0.7393125E+11 Line 10(127): nodal depth, y, M, V, p, EI
  0.7620000E+03 -0.6557570E-11  0.4586709E-03 -0.9897839E-04  0.6719793E-05  0.7393125E+11 Line 10(128): nodal depth, y, M, V, p, EI
  0.7680000E+03 -0.5212710E-11 -0.1431039E-04 -0.6270020E-04  0.5372940E-05  0.7393125E+11 Line 10(129): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.3874819E-11 -0.2938655E-03 -0.3452986E-04  0.4017173E-05  0.7393125E+11 Line 10(130): nodal depth, y, M, V, p, EI
  0.7800000E+03 -0.2680022E-11 -0.4287953E-03 -0.1409465E-04  0.2794562E-05  0.7393125E+11 Line 10(131): nodal depth, y, M, V, p, EI
  0.7860000E+03 -0.1694023E-11 -0.4631104E-03 -0.3812065E-06  0.1776586E-05  0.7393125E+11 Line 10(132): nodal depth, y, M, V, p, EI
  0.7920000E+03 -0.9335295E-12 -0.4334571E-03  0.7902441E-05  0.9846293E-06  0.7393125E+11 Line 10(133): nodal depth, y, M, V, p, EI
  0.7980000E+03 -0.3841035E-12 -0.3683466E-03  0.1207863E-04  0.4074333E-06  0.7393125E+11 Line 10(134): nodal depth, y, M, V, p, EI
  0.8040000E+03 -0.1403977E-13 -0.2885595E-03  0.1334586E-04  0.1497676E-07  0.7393125E+11 Line 10(135): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.2155131E-12 -0.2082263E-03  0.1269722E-04 -0.2311891E-06  0.7393125E+11 Line 10(136): nodal depth, y, M, V, p, EI
  0.8160000E+03  0.3436725E-12 -0.1362108E-03  0.1089146E-04 -0.3707327E-06  0.7393125E+11 Line 10(137): nodal depth, y, M, V, p, EI
  0.8220000E+03  0.4055055E-12 -0.7753831E-04  0.8459656E-05 -0.4398674E-06  0.7393125E+11 Line 10(138): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.4295822E-12 -0.3469919E-04  0.5734369E-05 -0.4685617E-06  0.7393125E+11 Line 10(139): nodal depth, y, M, V, p, EI
  0.8340000E+03  0.4367624E-12 -0.8727446E-05  0.2891641E-05 -0.4790141E-06  0.7393125E+11 Line 10(140): nodal depth, y, M, V, p, EI
  0.8400000E+03  0.4396930E-12  0.0000000E+00  0.0000000E+00 -0.4848663E-06  0.7393125E+11 Line 10(141): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 4
  0.0000000E+00  0.3000000E+00 -0.3385776E+07  0.3983736E+05 -0.6299605E+02  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.2991757E+00 -0.3147941E+07  0.3942715E+05 -0.6836892E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.2968185E+00 -0.2912491E+07  0.3900090E+05 -0.7371419E+02  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.2930431E+00 -0.2679624E+07  0.3854273E+05 -0.7901062E+02  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.2879629E+00 -0.2449536E+07  0.3805298E+05 -0.8423696E+02  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.2816899E+00 -0.2222421E+07  0.3753216E+05 -0.8937190E+02  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.2743347E+00 -0.1998469E+07  0.3698086E+05 -0.9439395E+02  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.2660064E+00 -0.1777866E+07  0.3639983E+05 -0.9928140E+02  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.2568124E+00 -0.1560794E+07  0.3578995E+05 -0.1040123E+03  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.2468584E+00 -0.1347429E+07  0.3515222E+05 -0.1085643E+03  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.2362483E+00 -0.1137940E+07  0.3448779E+05 -0.1129147E+03  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.2250840E+00 -0.9324871E+06  0.3379792E+05 -0.1170404E+03  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.2134657E+00 -0.7312254E+06  0.3308405E+05 -0.1209178E+03  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.2014914E+00 -0.5342989E+06  0.3225063E+05 -0.1568891E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.1892568E+00 -0.3430074E+06  0.3129679E+05 -0.1610573E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1768553E+00 -0.1575056E+06  0.3031916E+05 -0.1648199E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1643770E+00  0.2206645E+05  0.2932026E+05 -0.1681443E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.1519095E+00  0.1955848E+06  0.2830284E+05 -0.1709973E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1395372E+00  0.3629425E+06  0.2726981E+05 -0.1733446E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.1273417E+00  0.5240510E+06  0.2622433E+05 -0.1751513E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1154013E+00  0.6788412E+06  0.2516973E+05 -0.1763817E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.1037915E+00  0.8272652E+06  0.2410958E+05 -0.1769998E+03  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.9258450E-01  0.9692970E+06  0.2304767E+05 -0.1769697E+03  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.8184950E-01  0.1104934E+07  0.2198800E+05 -0.1762562E+03  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.7165255E-01  0.1234200E+07  0.1957342E+05 -0.6286028E+03  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.6205657E-01  0.1340805E+07  0.1516439E+05 -0.8410735E+03  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.5311348E-01  0.1417099E+07  0.1029195E+05 -0.7830744E+03  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.4486043E-01  0.1465168E+07  0.5770035E+04 -0.7242296E+03  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.3732083E-01  0.1487129E+07  0.1603143E+04 -0.6647341E+03  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.3050537E-01  0.1485124E+07 -0.2205296E+04 -0.6047455E+03  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.2441307E-01  0.1461311E+07 -0.5652639E+04 -0.5443688E+03  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1903235E-01  0.1417866E+07 -0.8736631E+04 -0.4836288E+03  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.1434203E-01  0.1356975E+07 -0.1145478E+05 -0.4224194E+03  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.1031249E-01  0.1280844E+07 -0.1380324E+05 -0.3604004E+03  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03  0.6906631E-02  0.1191708E+07 -0.1577471E+05 -0.2967587E+03  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03  0.4081065E-02  0.1091859E+07 -0.1735360E+05 -0.2295369E+03  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03  0.1787167E-02  0.9837208E+06 -0.1850091E+05 -0.1529008E+03  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.2771871E-04  0.8700538E+06 -0.1893946E+05  0.6718160E+01  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.1418941E-02  0.7566076E+06 -0.1850673E+05  0.1375266E+03  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.2441742E-02  0.6480938E+06 -0.1754942E+05  0.1815742E+03  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.3148961E-02  0.5461010E+06 -0.1638237E+05  0.2074449E+03  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.3590262E-02  0.4515628E+06 -0.1509160E+05  0.2228122E+03  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.3811680E-02  0.3650350E+06 -0.1373040E+05  0.2309184E+03  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.3855348E-02  0.2868112E+06 -0.1233691E+05  0.2335788E+03  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.3759356E-02  0.2169894E+06 -0.1094025E+05  0.2319744E+03  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.3557704E-02  0.1555133E+06 -0.9563476E+04  0.2269511E+03  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.3280326E-02  0.1022037E+06 -0.8225155E+04  0.2191561E+03  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.2953181E-02  0.5678125E+05 -0.6940360E+04  0.2091086E+03  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.2598388E-02  0.1888531E+05 -0.5721314E+04  0.1972402E+03  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.2234398E-02 -0.1191045E+05 -0.4577839E+04  0.1839183E+03  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.1876208E-02 -0.3608487E+05 -0.3517698E+04  0.1694618E+03  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.1535589E-02 -0.5415777E+05 -0.2546867E+04  0.1541488E+03  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1221342E-02 -0.6668001E+05 -0.1669754E+04  0.1382221E+03  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.9395633E-03 -0.7422462E+05 -0.8894224E+03  0.1218884E+03  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.6939278E-03 -0.7737945E+05 -0.2078196E+03  0.1053125E+03  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.4859715E-03 -0.7674114E+05  0.3739170E+03  0.8859970E+02  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.3153833E-03 -0.7291137E+05  0.8549675E+03  0.7175046E+02  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.1802985E-03 -0.6649681E+05  0.1233769E+04  0.5451672E+02  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03 -0.7759366E-04 -0.5811803E+05  0.1468403E+04  0.2369471E+02  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03 -0.3188714E-05 -0.4888483E+05  0.1542437E+04  0.9833009E+00  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.4741231E-04 -0.3961503E+05  0.1501099E+04 -0.1476273E+02  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.7872324E-04 -0.3087573E+05  0.1382566E+04 -0.2474816E+02  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.9499957E-04 -0.2302661E+05  0.1217872E+04 -0.3014993E+02  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.1000634E-03 -0.1626233E+05  0.1031251E+04 -0.3205721E+02  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.9720837E-04 -0.1065172E+05  0.8407765E+03 -0.3143419E+02  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.8916665E-04 -0.6172470E+04  0.6591702E+03 -0.2910124E+02  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.7811932E-04 -0.2740719E+04  0.4946762E+03 -0.2573009E+02  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.6573742E-04 -0.2351845E+03  0.3519387E+03 -0.2184909E+02  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.5324100E-04  0.1483789E+04  0.2328252E+03 -0.1785539E+02  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.4146710E-04  0.2559932E+04  0.1371655E+03 -0.1403119E+02  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.3093972E-04  0.3130890E+04  0.6338634E+02 -0.1056187E+02  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03  0.2193690E-04  0.3321544E+04  0.9037564E+01 -0.7554392E+01  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.1455147E-04  0.3240160E+04 -0.2878981E+02 -0.5054731E+01  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03  0.8743796E-05  0.2976726E+04 -0.5314467E+02 -0.3063556E+01  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03  0.4385607E-05  0.2602932E+04 -0.6698455E+02 -0.1549738E+01  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03  0.1294887E-05  0.2173284E+04 -0.7301814E+02 -0.4614578E+00  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.7375762E-06  0.1726971E+04 -0.7360733E+02  0.2650621E+00  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.1929110E-05  0.1290157E+04 -0.6861784E+02  0.1398100E+01  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.2492417E-05  0.9036442E+03 -0.5895963E+02  0.1821304E+01  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.2615704E-05  0.5826761E+03 -0.4771444E+02  0.1927089E+01  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.2455263E-05  0.3310691E+03 -0.3646232E+02  0.1823618E+01  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.2133612E-05  0.1451041E+03 -0.2619892E+02  0.1597517E+01  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.1741304E-05  0.1664632E+02 -0.1746368E+02  0.1314229E+01  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.1340890E-05 -0.6449969E+02 -0.1046080E+02  0.1020066E+01  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03 -0.9718836E-06 -0.1089217E+03 -0.5165058E+01  0.7451804E+00  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03 -0.6559155E-06 -0.1265146E+03 -0.1408964E+01  0.5068510E+00  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03 -0.4015522E-06 -0.1258578E+03  0.1049702E+01  0.3127041E+00  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03 -0.2084741E-06 -0.1139406E+03  0.2478607E+01  0.1635976E+00  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03 -0.7087800E-07 -0.9613106E+02  0.3137538E+01  0.5604595E-01  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.1990813E-07 -0.7630155E+02  0.3258091E+01 -0.1586157E-01  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.7354006E-07 -0.5704120E+02  0.3033406E+01 -0.5903342E-01  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.9939641E-07 -0.3990466E+02  0.2615148E+01 -0.8038568E-01  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.1058216E-06 -0.2566103E+02  0.2115341E+01 -0.8621693E-01  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.9975150E-07 -0.1452059E+02  0.1611080E+01 -0.8186988E-01  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.8661073E-07 -0.6327108E+01  0.1150657E+01 -0.7160441E-01  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.7038904E-07 -0.7112322E+00  0.7599971E+00 -0.5861565E-01  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.5382103E-07  0.2794497E+01  0.4487248E+00 -0.4514176E-01  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03  0.3861377E-07  0.4675055E+01  0.2154440E+00 -0.3261853E-01  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03  0.2568297E-07  0.5381232E+01  0.5203991E-01 -0.2184949E-01  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.1537251E-07  0.5300696E+01 -0.5301921E-01 -0.1317022E-01  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03  0.7643159E-08  0.4745903E+01 -0.1123120E+00 -0.6594046E-02  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03  0.2224773E-08  0.3953609E+01 -0.1378924E+00 -0.1932746E-02  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.1268446E-08  0.3091640E+01 -0.1403619E+00  0.1109558E-02  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.3256226E-08  0.2269540E+01 -0.1284296E+00  0.2867883E-02  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.4138878E-08  0.1550628E+01 -0.1088157E+00  0.3670102E-02  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.4266470E-08  0.9638023E+00 -0.8637884E-01  0.3808841E-02  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.3924748E-08  0.5140713E+00 -0.6437035E-01  0.3527321E-02  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.3332705E-08  0.1913114E+00 -0.4474271E-01  0.3015226E-02  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.2647505E-08 -0.2290502E-01 -0.2846348E-01  0.2411185E-02  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03 -0.1973459E-08 -0.1503183E+00 -0.1580249E-01  0.1809145E-02  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03 -0.1372608E-08 -0.2125986E+00 -0.6575376E-02  0.1266558E-02  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03 -0.8752802E-09 -0.2292777E+00 -0.3369823E-03  0.8129063E-03  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03 -0.4895963E-09 -0.2166865E+00  0.3474670E-02  0.4576444E-03  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03 -0.2094255E-09 -0.1876149E+00  0.5438647E-02  0.1970146E-03  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03 -0.2061178E-10 -0.1514462E+00  0.6088233E-02  0.1951396E-04  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.9445693E-10 -0.1145713E+00  0.5876796E-02 -0.8999274E-04  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.1537364E-09 -0.8093339E-01  0.5164639E-02 -0.1473930E-03  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.1736062E-09 -0.5259963E-01  0.4220007E-02 -0.1674846E-03  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.1678633E-09 -0.3029402E-01  0.3228699E-02 -0.1629513E-03  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.1473690E-09 -0.1385393E-01  0.2308022E-02 -0.1439409E-03  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.1201287E-09 -0.2595369E-02  0.1522034E-02 -0.1180551E-03  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
  0.7260000E+03  0.9162458E-10  0.4413270E-02  0.8960908E-03 -0.9059273E-04  0.7393125E+11 Line 10(122): nodal depth, y, M, V, p, EI
  0.7320000E+03  0.6526948E-10  0.8160463E-02  0.4295344E-03 -0.6492605E-04  0.7393125E+11 Line 10(123): nodal depth, y, M, V, p, EI
  0.7380000E+03  0.4288802E-10  0.9570120E-02  0.1059972E-03 -0.4291969E-04  0.7393125E+11 Line 10(124): nodal depth, y, M, V, p, EI
  0.7440000E+03  0.2516663E-10  0.9434435E-02 -0.9877046E-04 -0.2533621E-04  0.7393125E+11 Line 10(125): nodal depth, y, M, V, p, EI
  0.7500000E+03  0.1203923E-10  0.8386417E-02 -0.2113569E-03 -0.1219259E-04  0.7393125E+11 Line 10(126): nodal depth, y, M, V, p, EI
  0.7560000E+03  0.2995504E-11  0.6899262E-02 -0.2570895E-03 -0.3051634E-05  0.7393125E+11 Line 10(127): nodal depth, y, M, V, p, EI
  0.7620000E+03 -0.2688704E-11  0.5302079E-02 -0.2579788E-03  0.2755218E-05  0.7393125E+11 Line 10(128): nodal depth, y, M, V, p, EI
  0.7680000E+03 -0.5791123E-11  0.3803956E-02 -0.2318057E-03  0.5969132E-05  0.7393125E+11 Line 10(129): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.7041248E-11  0.2520628E-02 -0.1919985E-03  0.7299931E-05  0.7393125E+11 Line 10(130): nodal depth, y, M, V, p, EI
  0.7800000E+03 -0.7063981E-11  0.1500037E-02 -0.1480011E-03  0.7365884E-05  0.7393125E+11 Line 10(131): nodal depth, y, M, V, p, EI
  0.7860000E+03 -0.6356288E-11  0.7445808E-03 -0.1059052E-03  0.6666083E-05  0.7393125E+11 Line 10(132): nodal depth, y, M, V, p, EI
  0.7920000E+03 -0.5286030E-11  0.2290856E-03 -0.6918081E-04  0.5575378E-05  0.7393125E+11 Line 10(133): nodal depth, y, M, V, p, EI
  0.7980000E+03 -0.4104220E-11 -0.8570153E-04 -0.3939417E-04  0.4353504E-05  0.7393125E+11 Line 10(134): nodal depth, y, M, V, p, EI
  0.8040000E+03 -0.2964143E-11 -0.2437605E-03 -0.1684776E-04  0.3161965E-05  0.7393125E+11 Line 10(135): nodal depth, y, M, V, p, EI
  0.8100000E+03 -0.1942761E-11 -0.2879827E-03 -0.1109643E-05  0.2084075E-05  0.7393125E+11 Line 10(136): nodal depth, y, M, V, p, EI
  0.8160000E+03 -0.1061610E-11 -0.2571713E-03  0.8578179E-05  0.1145199E-05  0.7393125E+11 Line 10(137): nodal depth, y, M, V, p, EI
  0.8220000E+03 -0.3056854E-12 -0.1851264E-03  0.1300854E-04  0.3315887E-06  0.7393125E+11 Line 10(138): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.3600939E-12 -0.1011399E-03  0.1282500E-04 -0.3927682E-06  0.7393125E+11 Line 10(139): nodal depth, y, M, V, p, EI
  0.8340000E+03  0.9766243E-12 -0.3129049E-04  0.8433396E-05 -0.1071101E-05  0.7393125E+11 Line 10(140): nodal depth, y, M, V, p, EI
  0.8400000E+03  0.1577918E-11  0.0000000E+00  0.0000000E+00 -0.1740031E-05  0.7393125E+11 Line 10(141): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 5
  0.1500000E+05  0.3586775E+00  0.1440469E+07 -0.1818638E+05 -0.3134782E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.1500000E+05  0.7171050E-01 -0.1059926E+07  0.1500000E+05  0.3469447E-17     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.1500000E+05  0.2180128E+00  0.9438103E+06  0.1500000E+05 -0.1636771E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.1533217E+05  0.3000000E+00  0.1231345E+07 -0.1600242E+05 -0.2484942E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.3983736E+05  0.3000000E+00 -0.3385776E+07  0.3983736E+05  0.0000000E+00     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
