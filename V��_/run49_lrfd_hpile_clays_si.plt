    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    3                                                                           Line 3 : Total number of axial thrusts for elastic-plastic section
  150            0.4945675E+03  0.5900000E+03                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for elastic-plastic EI at top of section
  0.5900000E+01  0.4637723E+05  0.1272176E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1180000E+02  0.4637723E+05  0.2544352E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1770000E+02  0.4637723E+05  0.3816528E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2360000E+02  0.4637723E+05  0.5088704E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.2950000E+02  0.4637723E+05  0.6360880E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.3540000E+02  0.4637723E+05  0.7633057E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.4130000E+02  0.4637723E+05  0.8905233E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.4720000E+02  0.4637723E+05  0.1017741E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.5310000E+02  0.4637723E+05  0.1144958E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.5900000E+02  0.4637723E+05  0.1272176E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.6490000E+02  0.4637723E+05  0.1399394E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.7080000E+02  0.4637723E+05  0.1526611E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.7670000E+02  0.4637723E+05  0.1653829E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.8260000E+02  0.4637723E+05  0.1781047E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.8850000E+02  0.4637723E+05  0.1908264E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.9440000E+02  0.4637723E+05  0.2035482E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1003000E+03  0.4637723E+05  0.2162699E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1062000E+03  0.4637723E+05  0.2289917E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1121000E+03  0.4637723E+05  0.2417135E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1180000E+03  0.4637723E+05  0.2544352E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1239000E+03  0.4637723E+05  0.2671570E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1298000E+03  0.4637723E+05  0.2798787E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1357000E+03  0.4637723E+05  0.2926005E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1416000E+03  0.4637723E+05  0.3053223E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1475000E+03  0.4637723E+05  0.3180440E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1534000E+03  0.4637723E+05  0.3307658E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1593000E+03  0.4637723E+05  0.3434875E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1652000E+03  0.4637723E+05  0.3562093E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1711000E+03  0.4637723E+05  0.3689311E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1770000E+03  0.4637723E+05  0.3816528E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1829000E+03  0.4637723E+05  0.3943746E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1888000E+03  0.4637723E+05  0.4070963E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1947000E+03  0.4637723E+05  0.4198181E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2006000E+03  0.4637723E+05  0.4325399E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2065000E+03  0.4637723E+05  0.4452616E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2124000E+03  0.4637723E+05  0.4579834E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2183000E+03  0.4637723E+05  0.4707052E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2242000E+03  0.4637723E+05  0.4834269E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2301000E+03  0.4637723E+05  0.4961487E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2360000E+03  0.4637723E+05  0.5088704E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2419000E+03  0.4637723E+05  0.5215922E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2478000E+03  0.4637723E+05  0.5343140E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2537000E+03  0.4637723E+05  0.5470357E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2596000E+03  0.4637723E+05  0.5597575E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2655000E+03  0.4637723E+05  0.5724792E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2714000E+03  0.4637723E+05  0.5852010E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.2773000E+03  0.4637723E+05  0.5979228E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.2832000E+03  0.4637723E+05  0.6106445E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.2891000E+03  0.4637723E+05  0.6233663E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.2950000E+03  0.4637723E+05  0.6360880E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3009000E+03  0.4637723E+05  0.6488098E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3068000E+03  0.4637723E+05  0.6615316E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3127000E+03  0.4637723E+05  0.6742533E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3186000E+03  0.4637723E+05  0.6869751E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.3245000E+03  0.4637723E+05  0.6996969E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.3304000E+03  0.4637723E+05  0.7124186E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.3363000E+03  0.4637723E+05  0.7251404E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.3422000E+03  0.4637723E+05  0.7378621E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.3481000E+03  0.4637723E+05  0.7505839E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.3540000E+03  0.4637723E+05  0.7633057E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.3599000E+03  0.4637723E+05  0.7760274E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.3658000E+03  0.4637723E+05  0.7887492E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.3717000E+03  0.4637723E+05  0.8014709E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.3776000E+03  0.4637723E+05  0.8141927E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.3835000E+03  0.4637723E+05  0.8269145E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.3894000E+03  0.4637723E+05  0.8396362E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.3953000E+03  0.4637723E+05  0.8523580E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.4012000E+03  0.4637723E+05  0.8650797E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.4071000E+03  0.4637723E+05  0.8778015E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.4130000E+03  0.4637723E+05  0.8905233E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.4189000E+03  0.4637723E+05  0.9032450E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.4248000E+03  0.4637723E+05  0.9159668E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.4307000E+03  0.4637723E+05  0.9286885E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.4366000E+03  0.4637723E+05  0.9414103E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.4425000E+03  0.4637723E+05  0.9541321E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.4484000E+03  0.4637723E+05  0.9668538E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.4543000E+03  0.4637723E+05  0.9795756E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.4602000E+03  0.4637723E+05  0.9922974E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.4661000E+03  0.4637723E+05  0.1005019E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.4720000E+03  0.4637723E+05  0.1017741E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.4779000E+03  0.4637723E+05  0.1030463E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.4838000E+03  0.4637723E+05  0.1043184E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.4897000E+03  0.4637723E+05  0.1055906E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.4956000E+03  0.4637723E+05  0.1068628E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.5015000E+03  0.4637723E+05  0.1081350E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.5074000E+03  0.4637723E+05  0.1094071E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.5133000E+03  0.4637723E+05  0.1106793E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.5192000E+03  0.4637723E+05  0.1119515E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.5251000E+03  0.4637723E+05  0.1132237E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.5310000E+03  0.4637723E+05  0.1144958E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.5369000E+03  0.4637723E+05  0.1157680E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.5428000E+03  0.4637723E+05  0.1170402E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.5487000E+03  0.4637723E+05  0.1183124E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.5546000E+03  0.4637723E+05  0.1195846E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.5605000E+03  0.4637723E+05  0.1208567E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.5664000E+03  0.4637723E+05  0.1221289E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.5723000E+03  0.4637723E+05  0.1234011E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.5782000E+03  0.4637723E+05  0.1246733E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.5841000E+03  0.4637723E+05  0.1259454E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.5900000E+03  0.4637723E+05  0.1272176E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.5900000E+03  0.3864769E+05  0.1526611E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.5900000E+03  0.3312659E+05  0.1781047E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.5900000E+03  0.2898577E+05  0.2035482E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.5900000E+03  0.2576513E+05  0.2289917E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.5900000E+03  0.2318861E+05  0.2544352E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.5900000E+03  0.2108056E+05  0.2798787E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.5900000E+03  0.1932384E+05  0.3053223E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.5900000E+03  0.1783740E+05  0.3307658E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.5900000E+03  0.1656330E+05  0.3562093E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.5900000E+03  0.1545908E+05  0.3816528E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.5900000E+03  0.1449288E+05  0.4070963E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.5900000E+03  0.1364036E+05  0.4325399E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.5900000E+03  0.1288256E+05  0.4579834E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.5900000E+03  0.1220453E+05  0.4834269E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.5900000E+03  0.1159431E+05  0.5088704E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.5900000E+03  0.1104220E+05  0.5343140E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.5900000E+03  0.1054028E+05  0.5597575E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.5900000E+03  0.1008201E+05  0.5852010E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.5900000E+03  0.9661922E+04  0.6106445E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.5900000E+03  0.9275445E+04  0.6360880E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.5900000E+03  0.8918698E+04  0.6615316E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.5900000E+03  0.8588375E+04  0.6869751E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.5900000E+03  0.8281648E+04  0.7124186E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.5900000E+03  0.7996074E+04  0.7378621E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.5900000E+03  0.7729538E+04  0.7633057E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.5900000E+03  0.7480198E+04  0.7887492E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.5900000E+03  0.7246442E+04  0.8141927E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.5900000E+03  0.7026853E+04  0.8396362E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.5900000E+03  0.6820181E+04  0.8650797E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.5900000E+03  0.6625318E+04  0.8905233E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.5900000E+03  0.6441282E+04  0.9159668E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.5900000E+03  0.6267193E+04  0.9414103E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.5900000E+03  0.6102267E+04  0.9668538E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.5900000E+03  0.5945798E+04  0.9922974E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.5900000E+03  0.5797153E+04  0.1017741E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.5900000E+03  0.5655759E+04  0.1043184E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.5900000E+03  0.5521099E+04  0.1068628E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.5900000E+03  0.5392701E+04  0.1094071E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.5900000E+03  0.5270139E+04  0.1119515E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.5900000E+03  0.5153025E+04  0.1144958E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.5900000E+03  0.5041003E+04  0.1170402E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.5900000E+03  0.4933748E+04  0.1195846E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.5900000E+03  0.4830961E+04  0.1221289E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.5900000E+03  0.4732370E+04  0.1246733E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.5900000E+03  0.4637723E+04  0.1272176E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.5900000E+03  0.4546787E+04  0.1297620E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.5900000E+03  0.4459349E+04  0.1323063E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.5900000E+03  0.4375210E+04  0.1348507E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.5900000E+03  0.4294188E+04  0.1373950E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.5900000E+03  0.4216112E+04  0.1399394E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=150
  150            0.6448247E+03  0.5900000E+03                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for elastic-plastic EI at top of section
  0.5900000E+01  0.4637723E+05  0.1272176E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=1
  0.1180000E+02  0.4637723E+05  0.2544352E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=2
  0.1770000E+02  0.4637723E+05  0.3816528E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=3
  0.2360000E+02  0.4637723E+05  0.5088704E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=4
  0.2950000E+02  0.4637723E+05  0.6360880E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=5
  0.3540000E+02  0.4637723E+05  0.7633057E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=6
  0.4130000E+02  0.4637723E+05  0.8905233E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=7
  0.4720000E+02  0.4637723E+05  0.1017741E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=8
  0.5310000E+02  0.4637723E+05  0.1144958E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=9
  0.5900000E+02  0.4637723E+05  0.1272176E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=10
  0.6490000E+02  0.4637723E+05  0.1399394E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=11
  0.7080000E+02  0.4637723E+05  0.1526611E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=12
  0.7670000E+02  0.4637723E+05  0.1653829E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=13
  0.8260000E+02  0.4637723E+05  0.1781047E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=14
  0.8850000E+02  0.4637723E+05  0.1908264E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=15
  0.9440000E+02  0.4637723E+05  0.2035482E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=16
  0.1003000E+03  0.4637723E+05  0.2162699E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=17
  0.1062000E+03  0.4637723E+05  0.2289917E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=18
  0.1121000E+03  0.4637723E+05  0.2417135E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=19
  0.1180000E+03  0.4637723E+05  0.2544352E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=20
  0.1239000E+03  0.4637723E+05  0.2671570E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=21
  0.1298000E+03  0.4637723E+05  0.2798787E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=22
  0.1357000E+03  0.4637723E+05  0.2926005E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=23
  0.1416000E+03  0.4637723E+05  0.3053223E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=24
  0.1475000E+03  0.4637723E+05  0.3180440E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=25
  0.1534000E+03  0.4637723E+05  0.3307658E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=26
  0.1593000E+03  0.4637723E+05  0.3434875E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=27
  0.1652000E+03  0.4637723E+05  0.3562093E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=28
  0.1711000E+03  0.4637723E+05  0.3689311E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=29
  0.1770000E+03  0.4637723E+05  0.3816528E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=30
  0.1829000E+03  0.4637723E+05  0.3943746E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=31
  0.1888000E+03  0.4637723E+05  0.4070963E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=32
  0.1947000E+03  0.4637723E+05  0.4198181E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=33
  0.2006000E+03  0.4637723E+05  0.4325399E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=34
  0.2065000E+03  0.4637723E+05  0.4452616E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=35
  0.2124000E+03  0.4637723E+05  0.4579834E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=36
  0.2183000E+03  0.4637723E+05  0.4707052E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=37
  0.2242000E+03  0.4637723E+05  0.4834269E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=38
  0.2301000E+03  0.4637723E+05  0.4961487E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=39
  0.2360000E+03  0.4637723E+05  0.5088704E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=40
  0.2419000E+03  0.4637723E+05  0.5215922E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=41
  0.2478000E+03  0.4637723E+05  0.5343140E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=42
  0.2537000E+03  0.4637723E+05  0.5470357E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=43
  0.2596000E+03  0.4637723E+05  0.5597575E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=44
  0.2655000E+03  0.4637723E+05  0.5724792E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=45
  0.2714000E+03  0.4637723E+05  0.5852010E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=46
  0.2773000E+03  0.4637723E+05  0.5979228E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=47
  0.2832000E+03  0.4637723E+05  0.6106445E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=48
  0.2891000E+03  0.4637723E+05  0.6233663E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=49
  0.2950000E+03  0.4637723E+05  0.6360880E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=50
  0.3009000E+03  0.4637723E+05  0.6488098E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=51
  0.3068000E+03  0.4637723E+05  0.6615316E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=52
  0.3127000E+03  0.4637723E+05  0.6742533E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=53
  0.3186000E+03  0.4637723E+05  0.6869751E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=54
  0.3245000E+03  0.4637723E+05  0.6996969E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=55
  0.3304000E+03  0.4637723E+05  0.7124186E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=56
  0.3363000E+03  0.4637723E+05  0.7251404E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=57
  0.3422000E+03  0.4637723E+05  0.7378621E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=58
  0.3481000E+03  0.4637723E+05  0.7505839E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=59
  0.3540000E+03  0.4637723E+05  0.7633057E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=60
  0.3599000E+03  0.4637723E+05  0.7760274E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=61
  0.3658000E+03  0.4637723E+05  0.7887492E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=62
  0.3717000E+03  0.4637723E+05  0.8014709E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=63
  0.3776000E+03  0.4637723E+05  0.8141927E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=64
  0.3835000E+03  0.4637723E+05  0.8269145E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=65
  0.3894000E+03  0.4637723E+05  0.8396362E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=66
  0.3953000E+03  0.4637723E+05  0.8523580E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=67
  0.4012000E+03  0.4637723E+05  0.8650797E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=68
  0.4071000E+03  0.4637723E+05  0.8778015E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=69
  0.4130000E+03  0.4637723E+05  0.8905233E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=70
  0.4189000E+03  0.4637723E+05  0.9032450E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=71
  0.4248000E+03  0.4637723E+05  0.9159668E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=72
  0.4307000E+03  0.4637723E+05  0.9286885E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=73
  0.4366000E+03  0.4637723E+05  0.9414103E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=74
  0.4425000E+03  0.4637723E+05  0.9541321E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=75
  0.4484000E+03  0.4637723E+05  0.9668538E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=76
  0.4543000E+03  0.4637723E+05  0.9795756E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=77
  0.4602000E+03  0.4637723E+05  0.9922974E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=78
  0.4661000E+03  0.4637723E+05  0.1005019E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=79
  0.4720000E+03  0.4637723E+05  0.1017741E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=80
  0.4779000E+03  0.4637723E+05  0.1030463E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=81
  0.4838000E+03  0.4637723E+05  0.1043184E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=82
  0.4897000E+03  0.4637723E+05  0.1055906E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=83
  0.4956000E+03  0.4637723E+05  0.1068628E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=84
  0.5015000E+03  0.4637723E+05  0.1081350E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=85
  0.5074000E+03  0.4637723E+05  0.1094071E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=86
  0.5133000E+03  0.4637723E+05  0.1106793E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=87
  0.5192000E+03  0.4637723E+05  0.1119515E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=88
  0.5251000E+03  0.4637723E+05  0.1132237E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=89
  0.5310000E+03  0.4637723E+05  0.1144958E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=90
  0.5369000E+03  0.4637723E+05  0.1157680E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=91
  0.5428000E+03  0.4637723E+05  0.1170402E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=92
  0.5487000E+03  0.4637723E+05  0.1183124E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=93
  0.5546000E+03  0.4637723E+05  0.1195846E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=94
  0.5605000E+03  0.4637723E+05  0.1208567E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=95
  0.5664000E+03  0.4637723E+05  0.1221289E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=96
  0.5723000E+03  0.4637723E+05  0.1234011E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=97
  0.5782000E+03  0.4637723E+05  0.1246733E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=98
  0.5841000E+03  0.4637723E+05  0.1259454E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=99
  0.5900000E+03  0.4637723E+05  0.1272176E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=100
  0.5900000E+03  0.3864769E+05  0.1526611E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=101
  0.5900000E+03  0.3312659E+05  0.1781047E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=102
  0.5900000E+03  0.2898577E+05  0.2035482E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=103
  0.5900000E+03  0.2576513E+05  0.2289917E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=104
  0.5900000E+03  0.2318861E+05  0.2544352E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=105
  0.5900000E+03  0.2108056E+05  0.2798787E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=106
  0.5900000E+03  0.1932384E+05  0.3053223E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=107
  0.5900000E+03  0.1783740E+05  0.3307658E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=108
  0.5900000E+03  0.1656330E+05  0.3562093E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=109
  0.5900000E+03  0.1545908E+05  0.3816528E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=110
  0.5900000E+03  0.1449288E+05  0.4070963E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=111
  0.5900000E+03  0.1364036E+05  0.4325399E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=112
  0.5900000E+03  0.1288256E+05  0.4579834E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=113
  0.5900000E+03  0.1220453E+05  0.4834269E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=114
  0.5900000E+03  0.1159431E+05  0.5088704E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=115
  0.5900000E+03  0.1104220E+05  0.5343140E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=116
  0.5900000E+03  0.1054028E+05  0.5597575E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=117
  0.5900000E+03  0.1008201E+05  0.5852010E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=118
  0.5900000E+03  0.9661922E+04  0.6106445E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=119
  0.5900000E+03  0.9275445E+04  0.6360880E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=120
  0.5900000E+03  0.8918698E+04  0.6615316E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=121
  0.5900000E+03  0.8588375E+04  0.6869751E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=122
  0.5900000E+03  0.8281648E+04  0.7124186E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=123
  0.5900000E+03  0.7996074E+04  0.7378621E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=124
  0.5900000E+03  0.7729538E+04  0.7633057E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=125
  0.5900000E+03  0.7480198E+04  0.7887492E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=126
  0.5900000E+03  0.7246442E+04  0.8141927E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=127
  0.5900000E+03  0.7026853E+04  0.8396362E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=128
  0.5900000E+03  0.6820181E+04  0.8650797E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=129
  0.5900000E+03  0.6625318E+04  0.8905233E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=130
  0.5900000E+03  0.6441282E+04  0.9159668E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=131
  0.5900000E+03  0.6267193E+04  0.9414103E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=132
  0.5900000E+03  0.6102267E+04  0.9668538E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=133
  0.5900000E+03  0.5945798E+04  0.9922974E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=134
  0.5900000E+03  0.5797153E+04  0.1017741E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=135
  0.5900000E+03  0.5655759E+04  0.1043184E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=136
  0.5900000E+03  0.5521099E+04  0.1068628E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=137
  0.5900000E+03  0.5392701E+04  0.1094071E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=138
  0.5900000E+03  0.5270139E+04  0.1119515E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=139
  0.5900000E+03  0.5153025E+04  0.1144958E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=140
  0.5900000E+03  0.5041003E+04  0.1170402E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=141
  0.5900000E+03  0.4933748E+04  0.1195846E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=142
  0.5900000E+03  0.4830961E+04  0.1221289E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=143
  0.5900000E+03  0.4732370E+04  0.1246733E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=144
  0.5900000E+03  0.4637723E+04  0.1272176E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=145
  0.5900000E+03  0.4546787E+04  0.1297620E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=146
  0.5900000E+03  0.4459349E+04  0.1323063E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=147
  0.5900000E+03  0.4375210E+04  0.1348507E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=148
  0.5900000E+03  0.4294188E+04  0.1373950E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=149
  0.5900000E+03  0.4216112E+04  0.1399394E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=150
  150            0.9305552E+03  0.5900000E+03                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for elastic-plastic EI at top of section
  0.5900000E+01  0.4637723E+05  0.1272176E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=1
  0.1180000E+02  0.4637723E+05  0.2544352E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=2
  0.1770000E+02  0.4637723E+05  0.3816528E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=3
  0.2360000E+02  0.4637723E+05  0.5088704E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=4
  0.2950000E+02  0.4637723E+05  0.6360880E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=5
  0.3540000E+02  0.4637723E+05  0.7633057E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=6
  0.4130000E+02  0.4637723E+05  0.8905233E-03                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=7
  0.4720000E+02  0.4637723E+05  0.1017741E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=8
  0.5310000E+02  0.4637723E+05  0.1144958E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=9
  0.5900000E+02  0.4637723E+05  0.1272176E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=10
  0.6490000E+02  0.4637723E+05  0.1399394E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=11
  0.7080000E+02  0.4637723E+05  0.1526611E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=12
  0.7670000E+02  0.4637723E+05  0.1653829E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=13
  0.8260000E+02  0.4637723E+05  0.1781047E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=14
  0.8850000E+02  0.4637723E+05  0.1908264E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=15
  0.9440000E+02  0.4637723E+05  0.2035482E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=16
  0.1003000E+03  0.4637723E+05  0.2162699E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=17
  0.1062000E+03  0.4637723E+05  0.2289917E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=18
  0.1121000E+03  0.4637723E+05  0.2417135E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=19
  0.1180000E+03  0.4637723E+05  0.2544352E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=20
  0.1239000E+03  0.4637723E+05  0.2671570E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=21
  0.1298000E+03  0.4637723E+05  0.2798787E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=22
  0.1357000E+03  0.4637723E+05  0.2926005E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=23
  0.1416000E+03  0.4637723E+05  0.3053223E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=24
  0.1475000E+03  0.4637723E+05  0.3180440E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=25
  0.1534000E+03  0.4637723E+05  0.3307658E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=26
  0.1593000E+03  0.4637723E+05  0.3434875E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=27
  0.1652000E+03  0.4637723E+05  0.3562093E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=28
  0.1711000E+03  0.4637723E+05  0.3689311E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=29
  0.1770000E+03  0.4637723E+05  0.3816528E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=30
  0.1829000E+03  0.4637723E+05  0.3943746E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=31
  0.1888000E+03  0.4637723E+05  0.4070963E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=32
  0.1947000E+03  0.4637723E+05  0.4198181E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=33
  0.2006000E+03  0.4637723E+05  0.4325399E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=34
  0.2065000E+03  0.4637723E+05  0.4452616E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=35
  0.2124000E+03  0.4637723E+05  0.4579834E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=36
  0.2183000E+03  0.4637723E+05  0.4707052E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=37
  0.2242000E+03  0.4637723E+05  0.4834269E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=38
  0.2301000E+03  0.4637723E+05  0.4961487E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=39
  0.2360000E+03  0.4637723E+05  0.5088704E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=40
  0.2419000E+03  0.4637723E+05  0.5215922E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=41
  0.2478000E+03  0.4637723E+05  0.5343140E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=42
  0.2537000E+03  0.4637723E+05  0.5470357E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=43
  0.2596000E+03  0.4637723E+05  0.5597575E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=44
  0.2655000E+03  0.4637723E+05  0.5724792E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=45
  0.2714000E+03  0.4637723E+05  0.5852010E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=46
  0.2773000E+03  0.4637723E+05  0.5979228E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=47
  0.2832000E+03  0.4637723E+05  0.6106445E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=48
  0.2891000E+03  0.4637723E+05  0.6233663E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=49
  0.2950000E+03  0.4637723E+05  0.6360880E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=50
  0.3009000E+03  0.4637723E+05  0.6488098E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=51
  0.3068000E+03  0.4637723E+05  0.6615316E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=52
  0.3127000E+03  0.4637723E+05  0.6742533E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=53
  0.3186000E+03  0.4637723E+05  0.6869751E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=54
  0.3245000E+03  0.4637723E+05  0.6996969E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=55
  0.3304000E+03  0.4637723E+05  0.7124186E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=56
  0.3363000E+03  0.4637723E+05  0.7251404E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=57
  0.3422000E+03  0.4637723E+05  0.7378621E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=58
  0.3481000E+03  0.4637723E+05  0.7505839E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=59
  0.3540000E+03  0.4637723E+05  0.7633057E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=60
  0.3599000E+03  0.4637723E+05  0.7760274E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=61
  0.3658000E+03  0.4637723E+05  0.7887492E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=62
  0.3717000E+03  0.4637723E+05  0.8014709E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=63
  0.3776000E+03  0.4637723E+05  0.8141927E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=64
  0.3835000E+03  0.4637723E+05  0.8269145E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=65
  0.3894000E+03  0.4637723E+05  0.8396362E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=66
  0.3953000E+03  0.4637723E+05  0.8523580E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=67
  0.4012000E+03  0.4637723E+05  0.8650797E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=68
  0.4071000E+03  0.4637723E+05  0.8778015E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=69
  0.4130000E+03  0.4637723E+05  0.8905233E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=70
  0.4189000E+03  0.4637723E+05  0.9032450E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=71
  0.4248000E+03  0.4637723E+05  0.9159668E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=72
  0.4307000E+03  0.4637723E+05  0.9286885E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=73
  0.4366000E+03  0.4637723E+05  0.9414103E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=74
  0.4425000E+03  0.4637723E+05  0.9541321E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=75
  0.4484000E+03  0.4637723E+05  0.9668538E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=76
  0.4543000E+03  0.4637723E+05  0.9795756E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=77
  0.4602000E+03  0.4637723E+05  0.9922974E-02                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=78
  0.4661000E+03  0.4637723E+05  0.1005019E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=79
  0.4720000E+03  0.4637723E+05  0.1017741E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=80
  0.4779000E+03  0.4637723E+05  0.1030463E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=81
  0.4838000E+03  0.4637723E+05  0.1043184E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=82
  0.4897000E+03  0.4637723E+05  0.1055906E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=83
  0.4956000E+03  0.4637723E+05  0.1068628E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=84
  0.5015000E+03  0.4637723E+05  0.1081350E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=85
  0.5074000E+03  0.4637723E+05  0.1094071E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=86
  0.5133000E+03  0.4637723E+05  0.1106793E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=87
  0.5192000E+03  0.4637723E+05  0.1119515E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=88
  0.5251000E+03  0.4637723E+05  0.1132237E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=89
  0.5310000E+03  0.4637723E+05  0.1144958E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=90
  0.5369000E+03  0.4637723E+05  0.1157680E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=91
  0.5428000E+03  0.4637723E+05  0.1170402E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=92
  0.5487000E+03  0.4637723E+05  0.1183124E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=93
  0.5546000E+03  0.4637723E+05  0.1195846E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=94
  0.5605000E+03  0.4637723E+05  0.1208567E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=95
  0.5664000E+03  0.4637723E+05  0.1221289E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=96
  0.5723000E+03  0.4637723E+05  0.1234011E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=97
  0.5782000E+03  0.4637723E+05  0.1246733E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=98
  0.5841000E+03  0.4637723E+05  0.1259454E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=99
  0.5900000E+03  0.4637723E+05  0.1272176E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=100
  0.5900000E+03  0.3864769E+05  0.1526611E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=101
  0.5900000E+03  0.3312659E+05  0.1781047E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=102
  0.5900000E+03  0.2898577E+05  0.2035482E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=103
  0.5900000E+03  0.2576513E+05  0.2289917E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=104
  0.5900000E+03  0.2318861E+05  0.2544352E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=105
  0.5900000E+03  0.2108056E+05  0.2798787E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=106
  0.5900000E+03  0.1932384E+05  0.3053223E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=107
  0.5900000E+03  0.1783740E+05  0.3307658E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=108
  0.5900000E+03  0.1656330E+05  0.3562093E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=109
  0.5900000E+03  0.1545908E+05  0.3816528E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=110
  0.5900000E+03  0.1449288E+05  0.4070963E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=111
  0.5900000E+03  0.1364036E+05  0.4325399E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=112
  0.5900000E+03  0.1288256E+05  0.4579834E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=113
  0.5900000E+03  0.1220453E+05  0.4834269E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=114
  0.5900000E+03  0.1159431E+05  0.5088704E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=115
  0.5900000E+03  0.1104220E+05  0.5343140E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=116
  0.5900000E+03  0.1054028E+05  0.5597575E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=117
  0.5900000E+03  0.1008201E+05  0.5852010E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=118
  0.5900000E+03  0.9661922E+04  0.6106445E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=119
  0.5900000E+03  0.9275445E+04  0.6360880E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=120
  0.5900000E+03  0.8918698E+04  0.6615316E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=121
  0.5900000E+03  0.8588375E+04  0.6869751E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=122
  0.5900000E+03  0.8281648E+04  0.7124186E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=123
  0.5900000E+03  0.7996074E+04  0.7378621E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=124
  0.5900000E+03  0.7729538E+04  0.7633057E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=125
  0.5900000E+03  0.7480198E+04  0.7887492E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=126
  0.5900000E+03  0.7246442E+04  0.8141927E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=127
  0.5900000E+03  0.7026853E+04  0.8396362E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=128
  0.5900000E+03  0.6820181E+04  0.8650797E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=129
  0.5900000E+03  0.6625318E+04  0.8905233E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=130
  0.5900000E+03  0.6441282E+04  0.9159668E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=131
  0.5900000E+03  0.6267193E+04  0.9414103E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=132
  0.5900000E+03  0.6102267E+04  0.9668538E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=133
  0.5900000E+03  0.5945798E+04  0.9922974E-01                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=134
  0.5900000E+03  0.5797153E+04  0.1017741E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=135
  0.5900000E+03  0.5655759E+04  0.1043184E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=136
  0.5900000E+03  0.5521099E+04  0.1068628E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=137
  0.5900000E+03  0.5392701E+04  0.1094071E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=138
  0.5900000E+03  0.5270139E+04  0.1119515E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=139
  0.5900000E+03  0.5153025E+04  0.1144958E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=140
  0.5900000E+03  0.5041003E+04  0.1170402E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=141
  0.5900000E+03  0.4933748E+04  0.1195846E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=142
  0.5900000E+03  0.4830961E+04  0.1221289E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=143
  0.5900000E+03  0.4732370E+04  0.1246733E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=144
  0.5900000E+03  0.4637723E+04  0.1272176E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=145
  0.5900000E+03  0.4546787E+04  0.1297620E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=146
  0.5900000E+03  0.4459349E+04  0.1323063E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=147
  0.5900000E+03  0.4375210E+04  0.1348507E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=148
  0.5900000E+03  0.4294188E+04  0.1373950E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=149
  0.5900000E+03  0.4216112E+04  0.1399394E+00                                   Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=3, CurvPnt#=150
    0                                                                           Line 6 : number of output p-y curves
    3  101    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.8602469E-01  0.3875000E+02  0.1203111E+03 -0.1804440E+02  0.4637723E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.8026325E-01  0.6781266E+02  0.1165463E+03 -0.1960330E+02  0.4637723E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.7456030E-01  0.9603676E+02  0.1124748E+03 -0.2111200E+02  0.4637723E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.6894018E-01  0.1233393E+03  0.1081075E+03 -0.2256052E+02  0.4637723E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.6342644E-01  0.1496404E+03  0.1034576E+03 -0.2393855E+02  0.4637723E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.5804177E-01  0.1748639E+03  0.9854020E+02 -0.2523537E+02  0.4637723E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.5280791E-01  0.1989376E+03  0.9268544E+02 -0.3331222E+02  0.4637723E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.4774563E-01  0.2215192E+03  0.8588431E+02 -0.3469914E+02  0.4637723E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.4287442E-01  0.2425350E+03  0.7882036E+02 -0.3594033E+02  0.4637723E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.3821239E-01  0.2619186E+03  0.7152431E+02 -0.3702012E+02  0.4637723E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.3377626E-01  0.2796111E+03  0.6403008E+02 -0.3792218E+02  0.4637723E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.2958129E-01  0.2955623E+03  0.5637492E+02 -0.3862941E+02  0.4637723E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.2564124E-01  0.3097311E+03  0.4859959E+02 -0.3912390E+02  0.4637723E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.2196834E-01  0.3220864E+03  0.4074852E+02 -0.3938688E+02  0.4637723E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.1857323E-01  0.3326077E+03  0.3286996E+02 -0.3939866E+02  0.4637723E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.1546499E-01  0.3412861E+03  0.2501622E+02 -0.3913876E+02  0.4637723E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.1265111E-01  0.3481251E+03  0.7504117E+01 -0.1359823E+03  0.4637723E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.1013749E-01  0.3492453E+03 -0.1964735E+02 -0.1355324E+03  0.4637723E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.7925081E-02  0.3446640E+03 -0.4618923E+02 -0.1298864E+03  0.4637723E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.6009947E-02  0.3346105E+03 -0.7152679E+02 -0.1234892E+03  0.4637723E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.4383412E-02  0.3193490E+03 -0.9549864E+02 -0.1162292E+03  0.4637723E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.3032313E-02  0.2991819E+03 -0.1179139E+03 -0.1079232E+03  0.4637723E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  0.4400000E+01  0.1939256E-02  0.2744578E+03 -0.1385294E+03 -0.9823197E+02  0.4637723E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4600000E+01  0.1082917E-02  0.2455842E+03 -0.1569931E+03 -0.8640466E+02  0.4637723E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.4383925E-03  0.2130573E+03 -0.1726447E+03 -0.7011148E+02  0.4637723E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  0.5000000E+01 -0.2237191E-04  0.1775549E+03 -0.1759777E+03  0.3678111E+02  0.4637723E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  0.5200000E+01 -0.3299967E-03  0.1433812E+03 -0.1649574E+03  0.7342161E+02  0.4637723E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.5139563E-03  0.1120293E+03 -0.1492785E+03  0.8336770E+02  0.4637723E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5600000E+01 -0.6012914E-03  0.8392225E+02 -0.1321317E+03  0.8810066E+02  0.4637723E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5800000E+01 -0.6162443E-03  0.5927184E+02 -0.1143168E+03  0.9004813E+02  0.4637723E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  0.6000000E+01 -0.5800756E-03  0.3817579E+02 -0.9630397E+02  0.9008009E+02  0.4637723E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  0.6200000E+01 -0.5109807E-03  0.2065230E+02 -0.7843508E+02  0.8860876E+02  0.4637723E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  0.6400000E+01 -0.4240733E-03  0.6656589E+01 -0.6098894E+02  0.8585264E+02  0.4637723E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  0.6600000E+01 -0.3314246E-03 -0.3910362E+01 -0.4421129E+02  0.8192390E+02  0.4637723E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6800000E+01 -0.2421486E-03 -0.1119722E+02 -0.2833358E+02  0.7685320E+02  0.4637723E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  0.7000000E+01 -0.1625301E-03 -0.1540096E+02 -0.1359142E+02  0.7056846E+02  0.4637723E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  0.7200000E+01 -0.9619479E-04 -0.1676960E+02 -0.2567027E+00  0.6277867E+02  0.4637723E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  0.7400000E+01 -0.4432315E-04 -0.1561364E+02  0.1126614E+02  0.5244970E+02  0.4637723E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  0.7600000E+01 -0.5918154E-05 -0.1234716E+02  0.1961553E+02  0.3104420E+02  0.4637723E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7800000E+01  0.2183752E-04 -0.7828995E+01  0.1820390E+02 -0.4516049E+02  0.4637723E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  0.8000000E+01  0.4284074E-04 -0.5110971E+01  0.8271070E+01 -0.5416776E+02  0.4637723E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  0.8200000E+01  0.5943579E-04 -0.4555554E+01  0.2798470E+01 -0.5582412E+00  0.4637723E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  0.8400000E+01  0.7210170E-04 -0.4018812E+01  0.2674139E+01 -0.6850626E+00  0.4637723E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  0.8600000E+01  0.8130143E-04 -0.3506246E+01  0.2527500E+01 -0.7813338E+00  0.4637723E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  0.8800000E+01  0.8747704E-04 -0.3022119E+01  0.2364345E+01 -0.8502181E+00  0.4637723E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.9104610E-04 -0.2569576E+01  0.2189840E+01 -0.8948305E+00  0.4637723E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  0.9200000E+01  0.9239892E-04 -0.2150764E+01  0.2008537E+01 -0.9181976E+00  0.4637723E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  0.9400000E+01  0.9189673E-04 -0.1766953E+01  0.1824395E+01 -0.9232234E+00  0.4637723E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  0.9600000E+01  0.8987055E-04 -0.1418653E+01  0.1640806E+01 -0.9126632E+00  0.4637723E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  0.9800000E+01  0.8662079E-04 -0.1105721E+01  0.1460630E+01 -0.8891022E+00  0.4637723E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1000000E+02  0.8241736E-04 -0.8274654E+00  0.1286225E+01 -0.8549400E+00  0.4637723E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1020000E+02  0.7750024E-04 -0.5827434E+00  0.1119493E+01 -0.8123805E+00  0.4637723E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1040000E+02  0.7208052E-04 -0.3700490E+00  0.9619127E+00 -0.7634258E+00  0.4637723E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1060000E+02  0.6634163E-04 -0.1875947E+00  0.8145827E+00 -0.7098744E+00  0.4637723E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1080000E+02  0.6044094E-04 -0.3338469E-01  0.6782629E+00 -0.6533231E+00  0.4637723E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1100000E+02  0.5451145E-04  0.9471915E-01  0.5534135E+00 -0.5951712E+00  0.4637723E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1120000E+02  0.4866366E-04  0.1989401E+00  0.4402336E+00 -0.5366275E+00  0.4637723E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1140000E+02  0.4298746E-04  0.2815363E+00  0.3386989E+00 -0.4787199E+00  0.4637723E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1160000E+02  0.3755408E-04  0.3447578E+00  0.2485964E+00 -0.4223055E+00  0.4637723E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1180000E+02  0.3241805E-04  0.3908103E+00  0.1695575E+00 -0.3680829E+00  0.4637723E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.2761908E-04  0.4218258E+00  0.1010888E+00 -0.3166046E+00  0.4637723E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1220000E+02  0.2318395E-04  0.4398386E+00  0.4259927E-01 -0.2682904E+00  0.4637723E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1240000E+02  0.1912816E-04  0.4467668E+00 -0.6573849E-02 -0.2234408E+00  0.4637723E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1260000E+02  0.1545772E-04  0.4443988E+00 -0.4714295E-01 -0.1822502E+00  0.4637723E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1280000E+02  0.1217056E-04  0.4343841E+00 -0.7985000E-01 -0.1448203E+00  0.4637723E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1300000E+02  0.9258053E-05  0.4182279E+00 -0.1054493E+00 -0.1111728E+00  0.4637723E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1320000E+02  0.6706266E-05  0.3972892E+00 -0.1246927E+00 -0.8126135E-01  0.4637723E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1340000E+02  0.4497138E-05  0.3727811E+00 -0.1383172E+00 -0.5498301E-01  0.4637723E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1360000E+02  0.2609531E-05  0.3457745E+00 -0.1470344E+00 -0.3218913E-01  0.4637723E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1380000E+02  0.1020152E-05  0.3172029E+00 -0.1515228E+00 -0.1269499E-01  0.4637723E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  0.1400000E+02 -0.2956424E-06  0.2878688E+00 -0.1524212E+00  0.3711261E-02  0.4637723E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  0.1420000E+02 -0.1363152E-05  0.2584522E+00 -0.1503240E+00  0.1726051E-01  0.4637723E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  0.1440000E+02 -0.2207749E-05  0.2295186E+00 -0.1457784E+00  0.2819560E-01  0.4637723E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  0.1460000E+02 -0.2854387E-05  0.2015285E+00 -0.1392823E+00  0.3676506E-01  0.4637723E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  0.1480000E+02 -0.3327209E-05  0.1748473E+00 -0.1312840E+00  0.4321775E-01  0.4637723E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  0.1500000E+02 -0.3649226E-05  0.1497545E+00 -0.1221824E+00  0.4779825E-01  0.4637723E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  0.1520000E+02 -0.3842082E-05  0.1264535E+00 -0.1123283E+00  0.5074307E-01  0.4637723E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  0.1540000E+02 -0.3925872E-05  0.1050807E+00 -0.1020262E+00  0.5227760E-01  0.4637723E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  0.1560000E+02 -0.3919030E-05  0.8571459E-01 -0.9153712E-01  0.5261366E-01  0.4637723E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  0.1580000E+02 -0.3838261E-05  0.6838428E-01 -0.8108098E-01  0.5194767E-01  0.4637723E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  0.1600000E+02 -0.3698511E-05  0.5307700E-01 -0.7084028E-01  0.5045938E-01  0.4637723E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  0.1620000E+02 -0.3512982E-05  0.3974548E-01 -0.6096323E-01  0.4831108E-01  0.4637723E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  0.1640000E+02 -0.3293173E-05  0.2831451E-01 -0.5156741E-01  0.4564718E-01  0.4637723E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  0.1660000E+02 -0.3048943E-05  0.1868671E-01 -0.4274327E-01  0.4259419E-01  0.4637723E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  0.1680000E+02 -0.2788596E-05  0.1074767E-01 -0.3455775E-01  0.3926104E-01  0.4637723E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  0.1700000E+02 -0.2518979E-05  0.4370446E-02 -0.2705768E-01  0.3573962E-01  0.4637723E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  0.1720000E+02 -0.2245592E-05 -0.5806996E-03 -0.2027317E-01  0.3210554E-01  0.4637723E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  0.1740000E+02 -0.1972707E-05 -0.4247157E-02 -0.1422071E-01  0.2841907E-01  0.4637723E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  0.1760000E+02 -0.1703484E-05 -0.6773443E-02 -0.8906169E-02  0.2472629E-01  0.4637723E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  0.1780000E+02 -0.1440104E-05 -0.8305241E-02 -0.4327515E-02  0.2106025E-01  0.4637723E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  0.1800000E+02 -0.1183887E-05 -0.8987963E-02 -0.4772553E-03  0.1744234E-01  0.4637723E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  0.1820000E+02 -0.9354215E-06 -0.8965778E-02  0.2655342E-02  0.1388363E-01  0.4637723E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  0.1840000E+02 -0.6946893E-06 -0.8381052E-02  0.5082342E-02  0.1038637E-01  0.4637723E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  0.1860000E+02 -0.4611857E-06 -0.7374144E-02  0.6815530E-02  0.6945504E-02  0.4637723E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  0.1880000E+02 -0.2340422E-06 -0.6083497E-02  0.7865102E-02  0.3550209E-02  0.4637723E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  0.1900000E+02 -0.1214564E-07 -0.4645960E-02  0.8238679E-02  0.1855622E-03  0.4637723E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.2057438E-06 -0.3197271E-02  0.7940655E-02 -0.3165798E-02  0.4637723E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  0.1940000E+02  0.4208756E-06 -0.1872648E-02  0.6971883E-02 -0.6521924E-02  0.4637723E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  0.1960000E+02  0.6343922E-06 -0.8073987E-03  0.5329716E-02 -0.9899742E-02  0.4637723E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  0.1980000E+02  0.8472125E-06 -0.1374913E-03  0.3008426E-02 -0.1331316E-01  0.4637723E+05 Line 10(100): nodal depth, y, M, V, p, EI
  0.2000000E+02  0.1059914E-05  0.0000000E+00  0.0000000E+00 -0.1677110E-01  0.4637723E+05 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 1
  0.0000000E+00  0.4357397E-01  0.1250000E+02  0.8392376E+02 -0.1438395E+02  0.4637723E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.4050317E-01  0.3058404E+02  0.8189591E+02 -0.1560705E+02  0.4637723E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.3745874E-01  0.4828276E+02  0.7984687E+02 -0.1678336E+02  0.4637723E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.3445596E-01  0.6551354E+02  0.7742814E+02 -0.1790389E+02  0.4637723E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.3150969E-01  0.8219622E+02  0.7465182E+02 -0.1895935E+02  0.4637723E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.2863430E-01  0.9825347E+02  0.7153188E+02 -0.1994004E+02  0.4637723E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.2584366E-01  0.1136112E+03  0.6754271E+02 -0.2625164E+02  0.4637723E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.2315101E-01  0.1279824E+03  0.6268151E+02 -0.2726039E+02  0.4637723E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.2056875E-01  0.1412926E+03  0.5749193E+02 -0.2813541E+02  0.4637723E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.1810834E-01  0.1534731E+03  0.5200216E+02 -0.2886230E+02  0.4637723E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.1578031E-01  0.1644617E+03  0.4625209E+02 -0.2942589E+02  0.4637723E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.1359412E-01  0.1742065E+03  0.4033723E+02 -0.2981018E+02  0.4637723E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.1155819E-01  0.1826847E+03  0.3435640E+02 -0.2999815E+02  0.4637723E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.9679816E-02  0.1898850E+03  0.2835942E+02 -0.2997165E+02  0.4637723E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.7965219E-02  0.1958054E+03  0.2239112E+02 -0.2971126E+02  0.4637723E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.6419503E-02  0.2004539E+03  0.1650037E+02 -0.2919630E+02  0.4637723E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.5046677E-02  0.2038490E+03  0.2773708E+01 -0.1080703E+03  0.4637723E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.3849669E-02  0.2028343E+03 -0.1867285E+02 -0.1063953E+03  0.4637723E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.2827604E-02  0.1974773E+03 -0.3935103E+02 -0.1003865E+03  0.4637723E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.1975862E-02  0.1880206E+03 -0.5874077E+02 -0.9351078E+02  0.4637723E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.1286286E-02  0.1747433E+03 -0.7664671E+02 -0.8554868E+02  0.4637723E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.7474249E-03  0.1579695E+03 -0.9280644E+02 -0.7604856E+02  0.4637723E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  0.4400000E+01  0.3448112E-03  0.1380864E+03 -0.1067910E+03 -0.6379687E+02  0.4637723E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4600000E+01  0.6129602E-04  0.1155924E+03 -0.1173886E+03 -0.4217913E+02  0.4637723E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4800000E+01 -0.1225216E-03  0.9136205E+02 -0.1165113E+03  0.5095182E+02  0.4637723E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  0.5000000E+01 -0.2275402E-03  0.6913077E+02 -0.1048354E+03  0.6580721E+02  0.4637723E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  0.5200000E+01 -0.2729340E-03  0.4950228E+02 -0.9125291E+02  0.7001772E+02  0.4637723E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.2756325E-03  0.3265339E+02 -0.7711717E+02  0.7133974E+02  0.4637723E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5600000E+01 -0.2501677E-03  0.1864416E+02 -0.6290790E+02  0.7075296E+02  0.4637723E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5800000E+01 -0.2086225E-03  0.7457088E+01 -0.4896424E+02  0.6868362E+02  0.4637723E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  0.6000000E+01 -0.1606455E-03 -0.9858151E+00 -0.3556158E+02  0.6534293E+02  0.4637723E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  0.6200000E+01 -0.1135189E-03 -0.6814580E+01 -0.2294436E+02  0.6082927E+02  0.4637723E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  0.6400000E+01 -0.7226972E-04 -0.1020727E+02 -0.1134578E+02  0.5515655E+02  0.4637723E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  0.6600000E+01 -0.3982426E-04 -0.1138934E+02 -0.1007237E+01  0.4822887E+02  0.4637723E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6800000E+01 -0.1720202E-04 -0.1063740E+02  0.7782757E+01  0.3967108E+02  0.4637723E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  0.7000000E+01 -0.3754456E-05 -0.8294075E+01  0.1363851E+02  0.1888646E+02  0.4637723E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.2539535E-05 -0.5191757E+01  0.1423145E+02 -0.1295705E+02  0.4637723E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  0.7400000E+01  0.4355676E-05 -0.2605506E+01  0.1068218E+02 -0.2253567E+02  0.4637723E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  0.7600000E+01  0.3924589E-05 -0.9195699E+00  0.6369934E+01 -0.2058678E+02  0.4637723E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7800000E+01  0.2700379E-05 -0.5671315E-01  0.2875380E+01 -0.1435877E+02  0.4637723E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  0.8000000E+01  0.1427255E-05  0.2318172E+00  0.6703498E+00 -0.7691536E+01  0.4637723E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  0.8200000E+01  0.3540717E-06  0.2125872E+00 -0.9913640E-01 -0.3325562E-02  0.4637723E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  0.8400000E+01 -0.5357570E-06  0.1931335E+00 -0.9895992E-01  0.5090408E-02  0.4637723E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  0.8600000E+01 -0.1259010E-05  0.1738010E+00 -0.9724092E-01  0.1209950E-01  0.4637723E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  0.8800000E+01 -0.1832360E-05  0.1548784E+00 -0.9425004E-01  0.1780931E-01  0.4637723E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  0.9000000E+01 -0.2272129E-05  0.1366020E+00 -0.9023599E-01  0.2233122E-01  0.4637723E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  0.9200000E+01 -0.2594080E-05  0.1191607E+00 -0.8542505E-01  0.2577820E-01  0.4637723E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  0.9400000E+01 -0.2813256E-05  0.1026996E+00 -0.8002094E-01  0.2826285E-01  0.4637723E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  0.9600000E+01 -0.2943854E-05  0.8732529E-01 -0.7420508E-01  0.2989575E-01  0.4637723E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  0.9800000E+01 -0.2999135E-05  0.7310953E-01 -0.6813710E-01  0.3078404E-01  0.4637723E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1000000E+02 -0.2991360E-05  0.6009394E-01 -0.6195567E-01  0.3103027E-01  0.4637723E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1020000E+02 -0.2931753E-05  0.4829393E-01 -0.5577949E-01  0.3073151E-01  0.4637723E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1040000E+02 -0.2830494E-05  0.3770258E-01 -0.4970848E-01  0.2997859E-01  0.4637723E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1060000E+02 -0.2696717E-05  0.2829430E-01 -0.4382506E-01  0.2885564E-01  0.4637723E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1080000E+02 -0.2538536E-05  0.2002817E-01 -0.3819552E-01  0.2743975E-01  0.4637723E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1100000E+02 -0.2363080E-05  0.1285108E-01 -0.3287147E-01  0.2580077E-01  0.4637723E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1120000E+02 -0.2176541E-05  0.6700546E-02 -0.2789126E-01  0.2400131E-01  0.4637723E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1140000E+02 -0.1984223E-05  0.1507205E-02 -0.2328145E-01  0.2209684E-01  0.4637723E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1160000E+02 -0.1790604E-05 -0.2802906E-02 -0.1905818E-01  0.2013582E-01  0.4637723E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1180000E+02 -0.1599404E-05 -0.6306388E-02 -0.1522860E-01  0.1816004E-01  0.4637723E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1200000E+02 -0.1413642E-05 -0.9080778E-02 -0.1179210E-01  0.1620494E-01  0.4637723E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1220000E+02 -0.1235712E-05 -0.1120310E-01 -0.8741608E-02  0.1429997E-01  0.4637723E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1240000E+02 -0.1067446E-05 -0.1274864E-01 -0.6064701E-02  0.1246909E-01  0.4637723E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1260000E+02 -0.9101742E-06 -0.1378998E-01 -0.3744675E-02  0.1073117E-01  0.4637723E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1280000E+02 -0.7647967E-06 -0.1439619E-01 -0.1761508E-02  0.9100496E-02  0.4637723E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1300000E+02 -0.6318357E-06 -0.1463224E-01 -0.9273520E-04  0.7587229E-02  0.4637723E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1320000E+02 -0.5114949E-06 -0.1455856E-01  0.1285778E-02  0.6197900E-02  0.4637723E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1340000E+02 -0.4037108E-06 -0.1423075E-01  0.2399153E-02  0.4935858E-02  0.4637723E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1360000E+02 -0.3082005E-06 -0.1369944E-01  0.3272911E-02  0.3801721E-02  0.4637723E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1380000E+02 -0.2245060E-06 -0.1301022E-01  0.3932463E-02  0.2793800E-02  0.4637723E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  0.1400000E+02 -0.1520326E-06 -0.1220369E-01  0.4402693E-02  0.1908497E-02  0.4637723E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  0.1420000E+02 -0.9008485E-07 -0.1131562E-01  0.4707610E-02  0.1140673E-02  0.4637723E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  0.1440000E+02 -0.3789672E-07 -0.1037709E-01  0.4870076E-02  0.4839865E-03  0.4637723E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  0.1460000E+02  0.5341256E-08 -0.9414782E-02  0.4911595E-02 -0.6879642E-04  0.4637723E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  0.1480000E+02  0.4045905E-07 -0.8451207E-02  0.4852162E-02 -0.5255303E-03  0.4637723E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  0.1500000E+02  0.6828774E-07 -0.7505049E-02  0.4710165E-02 -0.8944456E-03  0.4637723E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  0.1520000E+02  0.8964339E-07 -0.6591467E-02  0.4502327E-02 -0.1183937E-02  0.4637723E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  0.1540000E+02  0.1053139E-06 -0.5722430E-02  0.4243695E-02 -0.1402379E-02  0.4637723E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  0.1560000E+02  0.1160490E-06 -0.4907048E-02  0.3947659E-02 -0.1557977E-02  0.4637723E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  0.1580000E+02  0.1225517E-06 -0.4151892E-02  0.3625998E-02 -0.1658635E-02  0.4637723E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  0.1600000E+02  0.1254734E-06 -0.3461310E-02  0.3288949E-02 -0.1711854E-02  0.4637723E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  0.1620000E+02  0.1254098E-06 -0.2837725E-02  0.2945298E-02 -0.1724655E-02  0.4637723E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  0.1640000E+02  0.1228987E-06 -0.2281917E-02  0.2602481E-02 -0.1703517E-02  0.4637723E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  0.1660000E+02  0.1184194E-06 -0.1793276E-02  0.2266696E-02 -0.1654337E-02  0.4637723E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  0.1680000E+02  0.1123935E-06 -0.1370043E-02  0.1943022E-02 -0.1582404E-02  0.4637723E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  0.1700000E+02  0.1051859E-06 -0.1009522E-02  0.1635542E-02 -0.1492392E-02  0.4637723E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  0.1720000E+02  0.9710755E-07 -0.7082663E-03  0.1347467E-02 -0.1388360E-02  0.4637723E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  0.1740000E+02  0.8841837E-07 -0.4622428E-03  0.1081254E-02 -0.1273767E-02  0.4637723E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  0.1760000E+02  0.7933050E-07 -0.2669727E-03  0.8387284E-03 -0.1151492E-02  0.4637723E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  0.1780000E+02  0.7001238E-07 -0.1176484E-03  0.6211922E-03 -0.1023870E-02  0.4637723E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.6059279E-07 -0.9228705E-05  0.4295332E-03 -0.8927206E-03  0.4637723E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  0.1820000E+02  0.5116523E-07  0.6348609E-04  0.2643211E-03 -0.7594001E-03  0.4637723E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  0.1840000E+02  0.4179243E-07  0.1057978E-03  0.1258968E-03 -0.6248432E-03  0.4637723E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  0.1860000E+02  0.3251089E-07  0.1230706E-03  0.1445076E-04 -0.4896173E-03  0.4637723E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  0.1880000E+02  0.2333548E-07  0.1207063E-03 -0.6990880E-04 -0.3539783E-03  0.4637723E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  0.1900000E+02  0.1426419E-07  0.1041313E-03 -0.1270996E-03 -0.2179297E-03  0.4637723E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.5282712E-08  0.7879478E-04 -0.1570211E-03 -0.8128556E-04  0.4637723E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  0.1940000E+02 -0.3630808E-08  0.5017318E-04 -0.1595233E-03  0.5626331E-04  0.4637723E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  0.1960000E+02 -0.1250105E-07  0.2378072E-04 -0.1343890E-03  0.1950800E-03  0.4637723E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  0.1980000E+02 -0.2135079E-07  0.5181305E-05 -0.8133023E-04  0.3355079E-03  0.4637723E+05 Line 10(100): nodal depth, y, M, V, p, EI
  0.2000000E+02 -0.3019606E-07  0.0000000E+00  0.0000000E+00  0.4777944E-03  0.4637723E+05 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 2
  0.0000000E+00  0.4754314E-01  0.2500000E+02  0.8753327E+02 -0.1480805E+02  0.4637723E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2000000E+00  0.4414495E-01  0.4441635E+02  0.8465444E+02 -0.1606144E+02  0.4637723E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  0.4000000E+00  0.4078508E-01  0.6321954E+02  0.8157669E+02 -0.1726611E+02  0.4637723E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.3747973E-01  0.8134493E+02  0.7823378E+02 -0.1841299E+02  0.4637723E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  0.8000000E+00  0.3424454E-01  0.9873056E+02  0.7463821E+02 -0.1949270E+02  0.4637723E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1000000E+01  0.3109450E-01  0.1153176E+03  0.7080439E+02 -0.2049547E+02  0.4637723E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.2804392E-01  0.1310506E+03  0.6619220E+02 -0.2697641E+02  0.4637723E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1400000E+01  0.2510638E-01  0.1456557E+03  0.6079884E+02 -0.2800719E+02  0.4637723E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1600000E+01  0.2229446E-01  0.1590776E+03  0.5518301E+02 -0.2890119E+02  0.4637723E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.1961974E-01  0.1712669E+03  0.4937350E+02 -0.2964388E+02  0.4637723E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2000000E+01  0.1709274E-01  0.1821812E+03  0.4340399E+02 -0.3021999E+02  0.4637723E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  0.2200000E+01  0.1472287E-01  0.1917861E+03  0.3732253E+02 -0.3061336E+02  0.4637723E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.1251842E-01  0.2000598E+03  0.3118051E+02 -0.3080682E+02  0.4637723E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2600000E+01  0.1048651E-01  0.2069900E+03  0.2502162E+02 -0.3078206E+02  0.4637723E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2800000E+01  0.8633134E-02  0.2125738E+03  0.1889147E+02 -0.3051946E+02  0.4637723E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.6963099E-02  0.2168186E+03  0.1283971E+02 -0.2999809E+02  0.4637723E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  0.3200000E+01  0.5480068E-02  0.2197428E+03 -0.1191978E+01 -0.1103188E+03  0.4637723E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3400000E+01  0.4186564E-02  0.2181321E+03 -0.2308884E+02 -0.1086498E+03  0.4637723E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.3081197E-02  0.2120542E+03 -0.4421028E+02 -0.1025647E+03  0.4637723E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3800000E+01  0.2158725E-02  0.2017556E+03 -0.6402697E+02 -0.9560223E+02  0.4637723E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  0.4000000E+01  0.1410266E-02  0.1875208E+03 -0.8234104E+02 -0.8753841E+02  0.4637723E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.8235421E-03  0.1696802E+03 -0.9888621E+02 -0.7791333E+02  0.4637723E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  0.4400000E+01  0.3831661E-03  0.1486286E+03 -0.1132274E+03 -0.6549876E+02  0.4637723E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4600000E+01  0.7098102E-04  0.1248745E+03 -0.1241518E+03 -0.4374462E+02  0.4637723E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4800000E+01 -0.1335007E-03  0.9930109E+02 -0.1233201E+03  0.5206118E+02  0.4637723E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  0.5000000E+01 -0.2523361E-03  0.7575493E+02 -0.1113606E+03  0.6753390E+02  0.4637723E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  0.5200000E+01 -0.3058334E-03  0.5486798E+02 -0.9740313E+02  0.7204069E+02  0.4637723E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.3120074E-03  0.3683215E+02 -0.8284036E+02  0.7358701E+02  0.4637723E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5600000E+01 -0.2864141E-03  0.2171931E+02 -0.6816277E+02  0.7318893E+02  0.4637723E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5800000E+01 -0.2420880E-03  0.9521955E+01 -0.5371509E+02  0.7128789E+02  0.4637723E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  0.6000000E+01 -0.1895493E-03  0.1708172E+00 -0.3977592E+02  0.6810379E+02  0.4637723E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  0.6200000E+01 -0.1368632E-03 -0.6456264E+01 -0.2659133E+02  0.6374214E+02  0.4637723E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  0.6400000E+01 -0.8974566E-04 -0.1053007E+02 -0.1439446E+02  0.5822650E+02  0.4637723E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  0.6600000E+01 -0.5171020E-04 -0.1226896E+02 -0.3423403E+01  0.5148410E+02  0.4637723E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6800000E+01 -0.2425662E-04 -0.1194166E+02  0.6048102E+01  0.4323095E+02  0.4637723E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  0.7000000E+01 -0.7102627E-05 -0.9878482E+01  0.1359681E+02  0.3225618E+02  0.4637723E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.1531248E-05 -0.6519563E+01  0.1604117E+02 -0.7812634E+01  0.4637723E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  0.7400000E+01  0.4542050E-05 -0.3469523E+01  0.1290991E+02 -0.2349994E+02  0.4637723E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  0.7600000E+01  0.4560415E-05 -0.1357551E+01  0.8167711E+01 -0.2392206E+02  0.4637723E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7800000E+01  0.3407903E-05 -0.2017074E+00  0.3963415E+01 -0.1812090E+02  0.4637723E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  0.8000000E+01  0.2081420E-05  0.2294131E+00  0.1029640E+01 -0.1121686E+02  0.4637723E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  0.8200000E+01  0.9528042E-06  0.2117316E+00 -0.9294106E-01 -0.8949062E-02  0.4637723E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  0.8400000E+01  0.6804983E-08  0.1935744E+00 -0.9384243E-01 -0.6465643E-04  0.4637723E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  0.8600000E+01 -0.7722378E-06  0.1753070E+00 -0.9310675E-01  0.7421462E-02  0.4637723E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  0.8800000E+01 -0.1400080E-05  0.1572389E+00 -0.9100382E-01  0.1360783E-01  0.4637723E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  0.9000000E+01 -0.1892304E-05  0.1396277E+00 -0.8778322E-01  0.1859818E-01  0.4637723E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  0.9200000E+01 -0.2264101E-05  0.1226828E+00 -0.8367349E-01  0.2249909E-01  0.4637723E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  0.9400000E+01 -0.2530084E-05  0.1065696E+00 -0.7888178E-01  0.2541802E-01  0.4637723E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  0.9600000E+01 -0.2704152E-05  0.9141384E-01 -0.7359383E-01  0.2746151E-01  0.4637723E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  0.9800000E+01 -0.2799377E-05  0.7730570E-01 -0.6797431E-01  0.2873366E-01  0.4637723E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1000000E+02 -0.2827926E-05  0.6430392E-01 -0.6216745E-01  0.2933492E-01  0.4637723E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1020000E+02 -0.2801013E-05  0.5243978E-01 -0.5629786E-01  0.2936105E-01  0.4637723E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1040000E+02 -0.2728871E-05  0.4172091E-01 -0.5047152E-01  0.2890227E-01  0.4637723E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1060000E+02 -0.2620746E-05  0.3213493E-01 -0.4477702E-01  0.2804273E-01  0.4637723E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1080000E+02 -0.2484904E-05  0.2365278E-01 -0.3928675E-01  0.2686003E-01  0.4637723E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1100000E+02 -0.2328662E-05  0.1623188E-01 -0.3405825E-01  0.2542498E-01  0.4637723E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1120000E+02 -0.2158420E-05  0.9818959E-02 -0.2913560E-01  0.2380149E-01  0.4637723E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1140000E+02 -0.1979709E-05  0.4352631E-02 -0.2455079E-01  0.2204657E-01  0.4637723E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1160000E+02 -0.1797245E-05 -0.2342541E-03 -0.2032509E-01  0.2021049E-01  0.4637723E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1180000E+02 -0.1614982E-05 -0.4012590E-02 -0.1647035E-01  0.1833692E-01  0.4637723E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1200000E+02 -0.1436180E-05 -0.7055216E-02 -0.1299033E-01  0.1646329E-01  0.4637723E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1220000E+02 -0.1263463E-05 -0.9435388E-02 -0.9881885E-02  0.1462111E-01  0.4637723E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1240000E+02 -0.1098884E-05 -0.1122547E-01 -0.7136141E-02  0.1283633E-01  0.4637723E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1260000E+02 -0.9439869E-06 -0.1249585E-01 -0.4739525E-02  0.1112983E-01  0.4637723E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1280000E+02 -0.7998674E-06 -0.1331409E-01 -0.2674761E-02  0.9517811E-02  0.4637723E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1300000E+02 -0.6672312E-06 -0.1374421E-01 -0.9217528E-03  0.8012267E-02  0.4637723E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1320000E+02 -0.5464493E-06 -0.1384620E-01  0.5416189E-03  0.6621450E-02  0.4637723E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1340000E+02 -0.4376096E-06 -0.1367563E-01  0.1738795E-02  0.5350312E-02  0.4637723E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1360000E+02 -0.3405650E-06 -0.1328344E-01  0.2693921E-02  0.4200944E-02  0.4637723E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1380000E+02 -0.2549774E-06 -0.1271583E-01  0.3431314E-02  0.3172993E-02  0.4637723E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  0.1400000E+02 -0.1803570E-06 -0.1201422E-01  0.3975020E-02  0.2264059E-02  0.4637723E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  0.1420000E+02 -0.1160988E-06 -0.1121537E-01  0.4348432E-02  0.1470067E-02  0.4637723E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  0.1440000E+02 -0.6151377E-07 -0.1035148E-01  0.4573999E-02  0.7856047E-03  0.4637723E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  0.1460000E+02 -0.1585682E-07 -0.9450412E-02  0.4672984E-02  0.2042390E-03  0.4637723E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  0.1480000E+02  0.2164922E-07 -0.8535916E-02  0.4665287E-02 -0.2812058E-03  0.4637723E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  0.1500000E+02  0.5179310E-07 -0.7627920E-02  0.4569327E-02 -0.6783956E-03  0.4637723E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  0.1520000E+02  0.7535796E-07 -0.6742818E-02  0.4401961E-02 -0.9952662E-03  0.4637723E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  0.1540000E+02  0.9310719E-07 -0.5893776E-02  0.4178451E-02 -0.1239832E-02  0.4637723E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  0.1560000E+02  0.1057731E-06 -0.5091050E-02  0.3912465E-02 -0.1420022E-02  0.4637723E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  0.1580000E+02  0.1140480E-06 -0.4342293E-02  0.3616109E-02 -0.1543545E-02  0.4637723E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  0.1600000E+02  0.1185777E-06 -0.3652863E-02  0.3299977E-02 -0.1617775E-02  0.4637723E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  0.1620000E+02  0.1199568E-06 -0.3026112E-02  0.2973233E-02 -0.1649665E-02  0.4637723E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  0.1640000E+02  0.1187260E-06 -0.2463666E-02  0.2643698E-02 -0.1645679E-02  0.4637723E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  0.1660000E+02  0.1153702E-06 -0.1965676E-02  0.2317957E-02 -0.1611739E-02  0.4637723E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  0.1680000E+02  0.1103191E-06 -0.1531062E-02  0.2001463E-02 -0.1553199E-02  0.4637723E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  0.1700000E+02  0.1039475E-06 -0.1157725E-02  0.1698661E-02 -0.1474821E-02  0.4637723E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  0.1720000E+02  0.9657727E-07 -0.8427366E-03  0.1413101E-02 -0.1380778E-02  0.4637723E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  0.1740000E+02  0.8848023E-07 -0.5825108E-03  0.1147557E-02 -0.1274658E-02  0.4637723E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  0.1760000E+02  0.7988078E-07 -0.3729474E-03  0.9041435E-03 -0.1159480E-02  0.4637723E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  0.1780000E+02  0.7095966E-07 -0.2095557E-03  0.6844232E-03 -0.1037723E-02  0.4637723E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.6185781E-07 -0.8755643E-04  0.4895151E-03 -0.9113584E-03  0.4637723E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  0.1820000E+02  0.5268044E-07 -0.1962778E-05  0.3201904E-03 -0.7818890E-03  0.4637723E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  0.1840000E+02  0.4350137E-07  0.5235640E-04  0.1769621E-03 -0.6503938E-03  0.4637723E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  0.1860000E+02  0.3436747E-07  0.8063072E-04  0.6016496E-04 -0.5175776E-03  0.4637723E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  0.1880000E+02  0.2530310E-07  0.8815708E-04 -0.2997533E-04 -0.3838253E-03  0.4637723E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  0.1900000E+02  0.1631477E-07  0.8028141E-04 -0.9328372E-04 -0.2492587E-03  0.4637723E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  0.1920000E+02  0.7395687E-08  0.6239074E-04 -0.1295894E-03 -0.1137981E-03  0.4637723E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  0.1940000E+02 -0.1469588E-08  0.3991345E-04 -0.1386919E-03  0.2277286E-04  0.4637723E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  0.1960000E+02 -0.1030044E-07  0.1832487E-04 -0.1203407E-03  0.1607392E-03  0.4637723E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  0.1980000E+02 -0.1911548E-07  0.3155670E-05 -0.7422859E-04  0.3003822E-03  0.4637723E+05 Line 10(100): nodal depth, y, M, V, p, EI
  0.2000000E+02 -0.2792781E-07  0.0000000E+00  0.0000000E+00  0.4419037E-03  0.4637723E+05 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for LRFD load case 3
  0.1203111E+03  0.8602469E-01  0.3492453E+03 -0.1759777E+03 -0.2889074E-01     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.8392376E+02  0.4357397E-01  0.2038490E+03 -0.1173886E+03 -0.1538097E-01     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.8753327E+02  0.4754314E-01  0.2197428E+03 -0.1241518E+03 -0.1704483E-01     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
